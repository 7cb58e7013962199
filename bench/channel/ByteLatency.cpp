// Byte delivery latency: from the device's write to the byte being counted in the channel's ring,
// against the pty's own write-to-readable time measured in the same run.
#include <unistd.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <thread>

#include "Figure.h"
#include "Format.h"
#include "Line.h"
#include "OpenChannel.h"
#include "PortDirectory.h"
#include "RawPtyWaiter.h"
#include "Samples.h"
#include "vci.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int32_t kChannel = 0;
constexpr int kRawCom = 1;
constexpr int kSamples = 2000;
// Long enough for the reader to be back in its wait, as it is when a reply starts.
constexpr auto kPause = 1ms;
constexpr auto kPatience = 2000ms;
constexpr auto kGoal = 3ms;

void WriteOneByte(const sim::PseudoTerminal& device) {
    const uint8_t byte = 0x55;
    if (::write(device.DeviceFd(), &byte, 1) != 1) {
        throw std::runtime_error("device write failed");
    }
}

// Waits as RawPtyWaiter::AwaitWakeUp does, spinning and yielding, so both samples compare.
std::optional<std::chrono::nanoseconds> ChannelSample(const sim::PseudoTerminal& device) {
    const auto written = Clock::now();
    WriteOneByte(device);
    while (VCI_GetReceiveNum(kChannel, 0) == 0) {
        std::this_thread::yield();
        if (Clock::now() - written > kPatience) {
            return std::nullopt;
        }
    }
    const auto counted = Clock::now();
    uint32_t value = 0;
    VCI_ReadDevice(kChannel, 0, &value, 1, 0);
    return counted - written;
}

std::optional<std::chrono::nanoseconds> RawSample(const sim::PseudoTerminal& device,
                                                  RawPtyWaiter& waiter) {
    const auto written = Clock::now();
    WriteOneByte(device);
    const auto readable = waiter.AwaitWakeUp(kPatience);
    if (!readable) {
        return std::nullopt;
    }
    return *readable - written;
}

void Measure() {
    test::PortDirectory ports;
    const sim::PseudoTerminal& channelDevice = ports.AddPort(kChannel);
    const sim::PseudoTerminal& rawDevice = ports.AddPort(kRawCom);
    RawPtyWaiter waiter(rawDevice.PortPath());
    OpenChannel(kChannel);

    // Interleaved, so both see the same load on the machine.
    Samples channel;
    Samples raw;
    for (int i = 0; i < kSamples; ++i) {
        const auto rawSample = RawSample(rawDevice, waiter);
        std::this_thread::sleep_for(kPause);
        const auto channelSample = ChannelSample(channelDevice);
        std::this_thread::sleep_for(kPause);
        if (!rawSample || !channelSample) {
            throw std::runtime_error("a byte did not arrive in time");
        }
        raw.push_back(*rawSample);
        channel.push_back(*channelSample);
    }
    VCI_CloseDevice(kChannel);

    const std::string line = "; a byte on the line: " + DurationText(kLineByteTime);
    Report({"Byte delivery latency, p50 (device write → counted in the ring)",
            DurationText(Percentile(channel, 50)),
            "raw pty write → readable: " + DurationText(Percentile(raw, 50)) + line, "",
            Verdict::NoGoal});
    const auto p99 = Percentile(channel, 99);
    Report({"Byte delivery latency, p99",
            DurationText(p99) + " (max " + DurationText(Percentile(channel, 100)) + ")",
            "raw pty: " + DurationText(Percentile(raw, 99)) + " (max " +
                DurationText(Percentile(raw, 100)) + ")",
            "< " + DurationText(kGoal),
            Below(p99.count(), std::chrono::nanoseconds(kGoal).count())});
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::Measure();
}
