#include "Format.h"

#include <cstdio>

namespace veltrix::bench {

namespace {

std::string Printed(const char* format, double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, format, value, unit);
    return text;
}

// Enough digits for three significant ones, never fewer than none after the point.
const char* FormatFor(double value) {
    if (value >= 100) {
        return "%.1f %s";
    }
    if (value >= 10) {
        return "%.2f %s";
    }
    return "%.3g %s";
}

}  // namespace

std::string DurationText(std::chrono::nanoseconds duration) {
    const double micros = std::chrono::duration<double, std::micro>(duration).count();
    if (micros < 1000) {
        return Printed(micros >= 100 ? "%.0f %s" : FormatFor(micros), micros, "µs");
    }
    const double millis = micros / 1000;
    return Printed(FormatFor(millis), millis, "ms");
}

std::string PercentText(double percent) {
    return Printed(percent >= 1 ? "%.2f %s" : "%.3f %s", percent, "%");
}

std::string RateText(double bytesPerSecond) {
    if (bytesPerSecond >= 1e6) {
        return Printed(FormatFor(bytesPerSecond / 1e6), bytesPerSecond / 1e6, "MB/s");
    }
    return Printed("%.0f %s", bytesPerSecond, "B/s");
}

}  // namespace veltrix::bench
