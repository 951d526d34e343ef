#include "reference/RowFit.h"

#include <algorithm>

namespace reference {

namespace {

// Takes up to `excess` pixels from the bands of the chosen kind, each in proportion to what
// it can give; the rounding is cumulative so that the cuts add up exactly. Returns what
// was taken.
int shrink(std::vector<int> &heights, const std::vector<Band> &bands, bool gaps, int excess)
{
    long long slack = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].gap == gaps)
            slack += heights[i] - bands[i].least;
    }
    if (slack <= 0 || excess <= 0)
        return 0;
    const long long take = std::min<long long>(excess, slack);
    long long given = 0;
    long long taken = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].gap != gaps)
            continue;
        given += heights[i] - bands[i].least;
        const long long until = (take * given + slack / 2) / slack;
        heights[i] -= int(until - taken);
        taken = until;
    }
    return int(take);
}

} // namespace

std::vector<int> fitHeights(const std::vector<Band> &bands, int room)
{
    std::vector<int> heights;
    int total = 0;
    for (const Band &band : bands) {
        heights.push_back(std::max(band.natural, band.least));
        total += heights.back();
    }
    int excess = total - room;
    excess -= shrink(heights, bands, true, excess);
    shrink(heights, bands, false, excess);
    return heights;
}

} // namespace reference
