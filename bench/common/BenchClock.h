// Timing helpers shared by the benchmark programs: a millisecond clock from the performance
// counter, the 10th percentile and the median of repeated measurements, and one printed line per
// ratio. Each program measures its baseline in the same rounds as the path it compares, so a
// change in the machine's load falls on both; the 10th percentile is the steadier figure on a
// shared machine, the median the usual one.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double NowMs()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The value below which `fraction` of the values lie (0.1: the 10th percentile), by nearest rank;
// 0 without values.
inline double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t rank = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(rank, values.size() - 1)];
}

inline double Median(const std::vector<double>& values)
{
    return Percentile(values, 0.5);
}

inline double Percentile10(const std::vector<double>& values)
{
    return Percentile(values, 0.1);
}

// "label: p10 x  median y  (goal <= g): within goal"; the verdict goes by the 10th percentile.
// A goal of 0 prints no goal.
inline void PrintFigures(const char* label, double p10, double median, double goal)
{
    std::printf("  %-46s p10 %7.2f  median %7.2f", label, p10, median);
    if (goal > 0)
        std::printf("  (goal <= %.2f): %s", goal, p10 <= goal ? "within goal" : "ABOVE GOAL");
    std::printf("\n");
}

// The 10th percentile and the median of the ratios of the rounds, against the goal.
inline void PrintRatio(const char* label, const std::vector<double>& ratios, double goal)
{
    PrintFigures(label, Percentile10(ratios), Median(ratios), goal);
}

// "label: p10 x ms  median y ms" for the times of the rounds.
inline void PrintTimes(const char* label, const std::vector<double>& times)
{
    std::printf("  %-46s p10 %7.3f  median %7.3f ms\n", label, Percentile10(times), Median(times));
}

// The ratio of each round: numerators[i] / denominators[i].
inline std::vector<double> RatiosOf(const std::vector<double>& numerators, const std::vector<double>& denominators)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < numerators.size() && i < denominators.size(); ++i)
        ratios.push_back(denominators[i] > 0 ? numerators[i] / denominators[i] : 0.0);
    return ratios;
}
