// Measured values as short texts for the table.
#pragma once

#include <chrono>
#include <string>

namespace veltrix::bench {

// "87 µs", "1.25 ms", "200.4 ms": three significant digits or so.
std::string DurationText(std::chrono::nanoseconds duration);
// "0.012 %"
std::string PercentText(double percent);
// "52.3 MB/s", with 1 MB = 10^6 bytes
std::string RateText(double bytesPerSecond);

}  // namespace veltrix::bench
