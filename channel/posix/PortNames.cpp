#include "PortNames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace vci {

namespace {

constexpr const char* kPortDirVariable = "VELTRIX_PORT_DIR";
constexpr char kComPrefix[] = "COM";
constexpr int kPortsPerFamily = 8;
constexpr const char* kDeviceFamilies[] = {"/dev/ttyUSB", "/dev/ttyACM", "/dev/ttyS"};

bool Formatted(int written, size_t size) {
    return written > 0 && static_cast<size_t>(written) < size;
}

// The n of "COM<n>" in plain decimal, or -1.
int ComNumber(const char* deviceName) {
    const size_t prefixLength = sizeof kComPrefix - 1;
    if (std::strncmp(deviceName, kComPrefix, prefixLength) != 0) {
        return -1;
    }
    const char* digits = deviceName + prefixLength;
    if (*digits < '0' || *digits > '9') {
        return -1;
    }
    char* end = nullptr;
    const long number = std::strtol(digits, &end, 10);
    return (*end == '\0' && number <= 1000) ? static_cast<int>(number) : -1;
}

}  // namespace

bool PortPathFor(const char* deviceName, char* path, size_t size) {
    if (const char* portDir = std::getenv(kPortDirVariable)) {
        return Formatted(std::snprintf(path, size, "%s/%s", portDir, deviceName), size);
    }
    const int number = ComNumber(deviceName);
    const int family = number / kPortsPerFamily;
    if (number < 0 || family >= static_cast<int>(std::size(kDeviceFamilies))) {
        return false;
    }
    return Formatted(
        std::snprintf(path, size, "%s%d", kDeviceFamilies[family], number % kPortsPerFamily), size);
}

}  // namespace vci
