// Timing helpers shared by the benchmark programs: a millisecond clock from the performance
// counter, and the median and other percentiles of repeated measurements (steadier than the
// mean on a busy machine).
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowMs()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The value below which `fraction` of the values lie (0.1: the 10th percentile), by rank.
inline double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
