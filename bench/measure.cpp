// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs two programs alternately and reports, for each, the median, minimum and
// maximum wall time from start to exit and the median peak resident set size,
// then the ratios of the first to the second.
// Usage: measure RUNS PROGRAM FLOOR

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample
{
    double milliseconds;
    long peakKiB;
};

Sample runOnce(const char *program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "measure: %s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return { std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss };
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: measure RUNS PROGRAM FLOOR\n");
        return 64;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    for (int i = 0; i < 3; ++i) { // warm the caches of both
        runOnce(argv[2]);
        runOnce(argv[3]);
    }
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const int which = (i % 2) ? 1 - p : p; // alternate who goes first
            const Sample sample = runOnce(argv[2 + which]);
            times[which].push_back(sample.milliseconds);
            peaks[which].push_back(sample.peakKiB);
        }
    }
    const char *names[2] = { "program", "floor" };
    for (int p = 0; p < 2; ++p) {
        std::printf("| %s | %.1f ms | %.1f–%.1f ms | %.1f MiB |\n", names[p], median(times[p]),
                    *std::min_element(times[p].begin(), times[p].end()),
                    *std::max_element(times[p].begin(), times[p].end()),
                    median(peaks[p]) / 1024.0);
    }
    std::printf("| program/floor | %.3f | | %+.2f MiB |\n", median(times[0]) / median(times[1]),
                (median(peaks[0]) - median(peaks[1])) / 1024.0);
    return 0;
}
