// Timing for the benchmarks: one run of some work in milliseconds, and the median of many.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

template <typename Work>
double milliseconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
