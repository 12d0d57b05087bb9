// Summaries of repeated timings: the median and the 95th percentile (nearest rank), and the ratio
// of one median to another. Pure C++, shared by the benchmark driver and its tests.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace vardek::bench {

struct Summary {
    double median = 0;
    double p95 = 0;
    std::size_t count = 0;
};

// The value at a given fraction of the sorted samples, by nearest rank (the smallest sample at or
// above that share of all samples); an even count's median is the mean of the two middle values.
inline Summary Summarize(std::vector<double> samples)
{
    Summary s;
    s.count = samples.size();
    if (samples.empty()) {
        return s;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    s.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n)));
    s.p95 = samples[std::max<std::size_t>(rank, 1) - 1];
    return s;
}

// a / b, or 0 when there is nothing to divide by (a figure that was not measured).
inline double Ratio(double a, double b)
{
    return b > 0 ? a / b : 0;
}

}  // namespace vardek::bench
