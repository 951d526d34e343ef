// Medians and the small text tables the benchmarks print.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace bench {

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

// Milliseconds that `work` takes, on the steady clock.
template <typename Work> double millisecondsOf(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count();
}

// One row of a table: a left-aligned first column, then right-aligned cells.
inline void printRow(const std::string &first, const std::vector<std::string> &cells,
                     int firstWidth = 26, int cellWidth = 12)
{
    std::printf("%-*s", firstWidth, first.c_str());
    for (const std::string &cell : cells)
        std::printf("%*s", cellWidth, cell.c_str());
    std::printf("\n");
}

inline std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The count after `option` on the command line ("--rounds 9"), at least 1; `fallback` without it.
inline int countOption(int argc, char *argv[], const char *option, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return std::max(1, std::atoi(argv[i + 1]));
    }
    return fallback;
}

} // namespace bench
