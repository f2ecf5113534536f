#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace quorvane::bench {

// Wall-clock seconds that one call of work takes; work returns whether it succeeded.
template <typename Work> bool TimeOnce(Work&& work, double& seconds)
{
    const auto start = std::chrono::steady_clock::now();
    const bool succeeded = work();
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return succeeded;
}

// The middle value: unlike the mean, one run disturbed by the rest of the machine does not move it.
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace quorvane::bench
