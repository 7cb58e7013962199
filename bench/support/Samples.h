// Timed samples and their order statistics.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace veltrix::bench {

using Samples = std::vector<std::chrono::nanoseconds>;

// Wall time that `action` took.
template <typename Action>
std::chrono::nanoseconds TimeOf(Action action) {
    const auto started = std::chrono::steady_clock::now();
    action();
    return std::chrono::steady_clock::now() - started;
}

// The nearest-rank percentile, 0 < percent <= 100, of a non-empty set of samples.
inline std::chrono::nanoseconds Percentile(Samples samples, double percent) {
    const auto rank = static_cast<size_t>(std::ceil(percent / 100 * samples.size()));
    const size_t index = std::clamp<size_t>(rank, 1, samples.size()) - 1;
    std::nth_element(samples.begin(), samples.begin() + index, samples.end());
    return samples[index];
}

}  // namespace veltrix::bench
