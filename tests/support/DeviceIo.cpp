#include "DeviceIo.h"

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <numeric>
#include <thread>

#include "vci.h"

namespace veltrix::test {

namespace {
using Clock = std::chrono::steady_clock;
Clock::time_point Deadline() {
    return Clock::now() + std::chrono::milliseconds(kPatienceMs);
}
}  // namespace

void SendFromDevice(const sim::PseudoTerminal& port, const std::vector<uint8_t>& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = ::write(port.DeviceFd(), bytes.data() + sent, bytes.size() - sent);
        if (written > 0) {
            sent += static_cast<size_t>(written);
        } else {
            pollfd writable{port.DeviceFd(), POLLOUT, 0};
            ::poll(&writable, 1, 10);
        }
    }
}

std::vector<uint8_t> ReceiveAtDevice(const sim::PseudoTerminal& port, size_t count) {
    std::vector<uint8_t> received;
    const auto deadline = Deadline();
    while (received.size() < count && Clock::now() < deadline) {
        pollfd readable{port.DeviceFd(), POLLIN, 0};
        if (::poll(&readable, 1, 10) <= 0) {
            continue;
        }
        uint8_t chunk[4096];
        const ssize_t got = ::read(port.DeviceFd(), chunk, sizeof chunk);
        if (got > 0) {
            received.insert(received.end(), chunk, chunk + got);
        }
    }
    return received;
}

bool WaitUntilReceived(int32_t channel, uint32_t count) {
    const auto deadline = Deadline();
    while (VCI_GetReceiveNum(channel, 0) < count) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

std::vector<uint8_t> TakeReceived(int32_t channel) {
    std::vector<uint32_t> values(VCI_GetReceiveNum(channel, 0));
    values.resize(
        VCI_ReadDevice(channel, 0, values.data(), static_cast<uint32_t>(values.size()), 0));
    return {values.begin(), values.end()};
}

std::vector<uint8_t> EveryByteValue() {
    std::vector<uint8_t> bytes(256);
    std::iota(bytes.begin(), bytes.end(), 0);
    return bytes;
}

}  // namespace veltrix::test
