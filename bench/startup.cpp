// Start-up benchmark: time from exec to the end of the first paint, and peak
// memory until then, for Quillet and for a bare window of the same toolkit,
// run alternately in one run. Prints the medians and the ratios.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "paired_runs.h"

namespace {

struct Sample {
    double ms;
    long maxRssKb;
};

// Runs the program until it reports its first paint; then ends it.
bool RunOnce(const std::string& program, Sample& sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while (text.find("painted: ") == std::string::npos && (n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    const auto end = std::chrono::steady_clock::now();
    close(out[0]);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample.ms = std::chrono::duration<double, std::milli>(end - start).count();
    sample.maxRssKb = usage.ru_maxrss;
    return text.find("painted: ") != std::string::npos;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = PairedRuns(argc, argv, 15);
    if (!runs)
        return 2;
    std::vector<double> ms[2];
    std::vector<long> rss[2];
    for (int i = 0; i < runs + 1; ++i) {
        for (int which = 0; which < 2; ++which) {
            Sample s{};
            if (!RunOnce(argv[1 + which], s)) {
                std::fprintf(stderr, "%s did not report its first paint\n", argv[1 + which]);
                return 1;
            }
            if (i == 0)
                continue; // the first round warms the file cache
            ms[which].push_back(s.ms);
            rss[which].push_back(s.maxRssKb);
        }
    }
    const double t0 = Median(ms[0]), t1 = Median(ms[1]);
    const long m0 = Median(rss[0]), m1 = Median(rss[1]);
    std::printf("%-14s %12s %14s\n", "program", "start (ms)", "peak RSS (MiB)");
    std::printf("%-14s %12.1f %14.1f\n", "quillet", t0, m0 / 1024.0);
    std::printf("%-14s %12.1f %14.1f\n", "bare window", t1, m1 / 1024.0);
    std::printf("ratio %.2fx time, %+.1f MiB memory (medians of %d runs each)\n", t0 / t1, (m0 - m1) / 1024.0, runs);
    return 0;
}
