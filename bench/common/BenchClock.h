// Timing helpers shared by the benchmark programs: a millisecond clock from the performance
// counter and the median of repeated measurements (steadier than the mean on a busy machine).
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

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
