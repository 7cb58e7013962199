// Channels under sustained traffic: every channel at full line rate, random bytes at full speed in
// both directions, and a ring that overflows through a real pseudo-terminal.
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "ChannelFixture.h"
#include "StreamBytes.h"

namespace veltrix::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr uint64_t kLineBytesPerSecond = 115200 / 10;
// Bounds a stream that should long have ended, even under a sanitizer on a loaded machine.
constexpr auto kGenerousWait = 30s;

class ChannelStreamStressTest : public ChannelFixture {
  protected:
    // Many closes of open channels at once: each waits 200 ms, and they are independent.
    static void CloseInParallel(int32_t count) {
        std::vector<std::jthread> closers;
        for (int32_t channel = 0; channel < count; ++channel) {
            closers.emplace_back([channel] { VCI_CloseDevice(channel); });
        }
    }
};

// Paced as the line paces them: byte i of every device leaves i / 11520 s after the start.
void FeedAtLineRate(const std::vector<sim::PseudoTerminal*>& devices, uint64_t count) {
    const auto start = Clock::now();
    uint64_t sent = 0;
    while (sent < count) {
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        const uint64_t due =
            std::min(count, static_cast<uint64_t>(elapsed.count() * kLineBytesPerSecond));
        for (size_t channel = 0; channel < devices.size(); ++channel) {
            SendFromDevice(*devices[channel], StreamBytes(channel, sent, due - sent));
        }
        sent = due;
        std::this_thread::sleep_for(2ms);
    }
}

TEST_F(ChannelStreamStressTest, AllChannelsAtFullLineRateDeliverEveryByteInOrder) {
    constexpr int32_t kChannels = 24;
    constexpr uint64_t kBytesPerChannel = 3 * kLineBytesPerSecond;
    std::vector<sim::PseudoTerminal*> devices;
    std::vector<StreamCheck> checks;
    for (int32_t channel = 0; channel < kChannels; ++channel) {
        devices.push_back(&ports_.AddPort(channel));
        checks.emplace_back(channel);
        ASSERT_EQ(VCI_OpenDevice(channel), 1) << channel;
    }

    std::jthread feeder([&] { FeedAtLineRate(devices, kBytesPerChannel); });
    const auto deadline = Clock::now() + 3s + kGenerousWait;
    uint64_t received = 0;
    while (received < kChannels * kBytesPerChannel && Clock::now() < deadline) {
        for (int32_t channel = 0; channel < kChannels; ++channel) {
            received += checks[channel].TakeFrom(channel);
        }
        std::this_thread::sleep_for(1ms);
    }
    feeder.join();

    for (int32_t channel = 0; channel < kChannels; ++channel) {
        EXPECT_EQ(checks[channel].Received(), kBytesPerChannel) << "COM" << channel;
        EXPECT_EQ(checks[channel].FirstWrong(), std::nullopt) << "COM" << channel;
    }
    CloseInParallel(kChannels);
}

TEST_F(ChannelStreamStressTest, RandomBytesAtFullSpeedBothWaysArriveIntact) {
    constexpr int32_t kChannel = 2;
    constexpr uint64_t kInbound = 1 << 20;
    constexpr uint64_t kOutbound = 256 << 10;
    // The device never runs further ahead of the consumer than the ring holds.
    constexpr uint64_t kMostAhead = 150000;
    constexpr int64_t kOutboundStream = 1000;
    auto& device = ports_.AddPort(kChannel);
    ASSERT_EQ(VCI_OpenDevice(kChannel), 1);

    StreamCheck inbound(kChannel);
    std::atomic<uint64_t> taken{0};
    std::jthread deviceWriter([&](std::stop_token stop) {
        for (uint64_t sent = 0; sent < kInbound && !stop.stop_requested();) {
            if (sent - taken.load() > kMostAhead) {
                std::this_thread::sleep_for(1ms);
                continue;
            }
            SendFromDevice(device, StreamBytes(kChannel, sent, 4096));
            sent += 4096;
        }
    });
    std::vector<uint8_t> arrivedAtDevice;
    std::jthread deviceReader([&] { arrivedAtDevice = ReceiveAtDevice(device, kOutbound); });
    std::jthread hostWriter([&] {
        for (uint64_t sent = 0; sent < kOutbound; sent += 4096) {
            const auto chunk = StreamBytes(kOutboundStream, sent, 4096);
            ASSERT_EQ(_VCI_WriteDevice(kChannel, chunk.data(), 4096), 1);
        }
    });

    const auto deadline = Clock::now() + kGenerousWait;
    while (inbound.Received() < kInbound && Clock::now() < deadline) {
        if (inbound.TakeFrom(kChannel) == 0) {
            std::this_thread::sleep_for(200us);
        }
        taken = inbound.Received();
    }
    hostWriter.join();
    deviceReader.join();

    EXPECT_EQ(inbound.Received(), kInbound);
    EXPECT_EQ(inbound.FirstWrong(), std::nullopt);
    EXPECT_EQ(arrivedAtDevice, StreamBytes(kOutboundStream, 0, kOutbound));
    EXPECT_EQ(VCI_CloseDevice(kChannel), 1);
}

TEST_F(ChannelStreamStressTest, FullRingKeepsTheOldestBytesAndResumesWhenBytesAreTaken) {
    constexpr int32_t kChannel = 4;
    constexpr uint32_t kCapacity = 200000;
    constexpr uint64_t kSent = kCapacity + 50000;
    constexpr uint32_t kTaken = 1000;
    constexpr int64_t kLaterStream = 1000;
    auto& device = ports_.AddPort(kChannel);
    ASSERT_EQ(VCI_OpenDevice(kChannel), 1);
    // Once the ring is full, nothing may change it; time enough to take the rest off the pty.
    const auto settled = [&] {
        EXPECT_TRUE(WaitUntilReceived(kChannel, kCapacity));
        std::this_thread::sleep_for(500ms);
        EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), kCapacity);
    };

    SendFromDevice(device, StreamBytes(kChannel, 0, kSent));
    settled();
    StreamCheck oldest(kChannel);
    ASSERT_EQ(oldest.TakeFrom(kChannel, kTaken), kTaken);
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), kCapacity - kTaken);

    // Room for kTaken more: the first of these come in, the rest are dropped again.
    SendFromDevice(device, StreamBytes(kLaterStream, 0, 2 * kTaken));
    settled();
    EXPECT_EQ(oldest.TakeFrom(kChannel, kCapacity - kTaken), kCapacity - kTaken);
    EXPECT_EQ(oldest.FirstWrong(), std::nullopt) << "the oldest bytes must stay, in order";
    StreamCheck later(kLaterStream);
    EXPECT_EQ(later.TakeFrom(kChannel), kTaken);
    EXPECT_EQ(later.FirstWrong(), std::nullopt) << "reception resumes with the next byte sent";
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 0u);
}

}  // namespace
}  // namespace veltrix::test
