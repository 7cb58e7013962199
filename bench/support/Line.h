// The serial line the tool always runs: 115200 baud, 8N1, so ten bits on the wire per byte.
#pragma once

#include <chrono>

namespace veltrix::bench {

inline constexpr double kLineBytesPerSecond = 115200.0 / 10;
inline constexpr std::chrono::nanoseconds kLineByteTime =
    std::chrono::nanoseconds(std::chrono::seconds(10)) / 115200;

}  // namespace veltrix::bench
