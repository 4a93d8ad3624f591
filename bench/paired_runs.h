// What the start-up benchmarks share: their arguments and their medians.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

template <typename T> T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// PROGRAM QUILLET BARE_WINDOW [RUNS]: the number of paired runs, or 0 once the
// usage has been printed.
inline int PairedRuns(int argc, char** argv, int nDefault)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s QUILLET BARE_WINDOW [RUNS]\n", argv[0]);
        return 0;
    }
    return argc > 3 ? std::max(1, std::atoi(argv[3])) : nDefault;
}
