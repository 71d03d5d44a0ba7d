// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a program and one or more floors in turn and reports, for each, the
// median, minimum and maximum wall time from start to exit and the median
// peak resident set size; then, for each floor, the ratio of the program's
// median to the floor's, and the 10th to 90th percentile of the ratios of
// runs side by side, which shows how far one ratio can be trusted.
// Usage: measure RUNS PROGRAM FLOOR [FLOOR...]

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

std::string nameOf(const char *path)
{
    const std::string name = path;
    return name.substr(name.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: measure RUNS PROGRAM FLOOR [FLOOR...]\n");
        return 64;
    }
    const int runs = std::atoi(argv[1]);
    const int count = argc - 2;
    auto times = std::vector<std::vector<double>>(std::size_t(count));
    auto peaks = std::vector<std::vector<long>>(std::size_t(count));
    for (int i = 0; i < 3; ++i) { // warm the caches of all
        for (int p = 0; p < count; ++p)
            runOnce(argv[2 + p]);
    }
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < count; ++k) {
            const int which = (i + k) % count; // each goes first in turn
            const Sample sample = runOnce(argv[2 + which]);
            times[std::size_t(which)].push_back(sample.milliseconds);
            peaks[std::size_t(which)].push_back(sample.peakKiB);
        }
    }
    for (int p = 0; p < count; ++p) {
        const auto &t = times[std::size_t(p)];
        std::printf("| %s | %.1f ms | %.1f–%.1f ms | %.1f MiB |\n", nameOf(argv[2 + p]).c_str(),
                    median(t), *std::min_element(t.begin(), t.end()),
                    *std::max_element(t.begin(), t.end()), median(peaks[std::size_t(p)]) / 1024.0);
    }
    for (int f = 1; f < count; ++f) {
        std::vector<double> ratios;
        for (int i = 0; i < runs; ++i)
            ratios.push_back(times[0][std::size_t(i)] / times[std::size_t(f)][std::size_t(i)]);
        std::sort(ratios.begin(), ratios.end());
        std::printf("| %s/%s | %.3f | %.2f–%.2f (p10–p90) | %+.2f MiB |\n", nameOf(argv[2]).c_str(),
                    nameOf(argv[2 + f]).c_str(), median(times[0]) / median(times[std::size_t(f)]),
                    ratios[std::size_t(runs / 10)], ratios[std::size_t(runs - 1 - runs / 10)],
                    (median(peaks[0]) - median(peaks[std::size_t(f)])) / 1024.0);
    }
    return 0;
}
