// Start-up of the program against a bare Qt main window: the time from starting the process
// to the first paint of its window, and its peak memory. Every sample is a fresh process;
// the two probes take turns, so that both see the same noise of the machine.
//   bench-startup [--samples N]      (the probes are looked for beside this program)
#include "Stats.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    bool ok = false;
    double milliseconds = 0;
    double peakMiB = 0;
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Runs one probe to its end. This process stays small and starts the probe without
// copying itself, so the probe's peak memory is its own.
Sample runProbe(const std::string &path)
{
    Sample sample;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return sample;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};

    const long long started = monotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(spawned));
        return sample;
    }

    std::string printed;
    pollfd watch{out[0], POLLIN, 0};
    char buffer[256];
    while (poll(&watch, 1, 30000) > 0) {
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        printed.append(buffer, std::size_t(got));
    }
    close(out[0]);
    kill(pid, SIGKILL); // only if it hangs: a finished probe has exited already
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    const std::size_t at = printed.find("painted ");
    if (at == std::string::npos || !WIFEXITED(status)) {
        std::fprintf(stderr, "%s did not report its first paint\n", path.c_str());
        return sample;
    }
    sample.ok = true;
    sample.milliseconds = double(std::atoll(printed.c_str() + at + 8) - started) / 1e6;
    sample.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return sample;
}

std::string besideThisProgram(const char *name)
{
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir = length > 0 ? std::string(self, std::size_t(length)) : std::string();
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    return dir + name;
}

} // namespace

int main(int argc, char *argv[])
{
    const int samples = bench::countOption(argc, argv, "--samples", 21);
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const std::string zelto = besideThisProgram("startup-probe-zelto");
    const std::string bare = besideThisProgram("startup-probe-bare");

    // One untimed turn each fills the disk cache.
    runProbe(zelto);
    runProbe(bare);

    std::vector<double> zeltoTime, bareTime, zeltoMemory, bareMemory;
    for (int i = 0; i < samples; ++i) {
        const Sample a = runProbe(zelto);
        const Sample b = runProbe(bare);
        if (!a.ok || !b.ok)
            return 1;
        zeltoTime.push_back(a.milliseconds);
        bareTime.push_back(b.milliseconds);
        zeltoMemory.push_back(a.peakMiB);
        bareMemory.push_back(b.peakMiB);
    }

    using bench::fixed;
    using bench::median;
    std::printf("Start-up: process start to first paint, and peak RSS (median of %d, "
                "alternating; display: %s)\n",
                samples, platform ? platform : "X server");
    bench::printRow("", {"zelto", "bare Qt", "zelto/bare", "target"});
    const double timeRatio = median(zeltoTime) / median(bareTime);
    const double memoryRatio = median(zeltoMemory) / median(bareMemory);
    bench::printRow("first paint (ms)", {fixed(median(zeltoTime), 1), fixed(median(bareTime), 1),
                                         fixed(timeRatio, 3), "<= 1.15"});
    bench::printRow("peak memory (MiB)",
                    {fixed(median(zeltoMemory), 1), fixed(median(bareMemory), 1),
                     fixed(memoryRatio, 3), "<= 1.15"});
    return timeRatio <= 1.15 && memoryRatio <= 1.15 ? 0 : 1;
}
