// Opening and closing under pressure: a thousand cycles leave nothing behind, and two processes
// that race for one port never both hold it.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "ChannelFixture.h"
#include "ProcessResources.h"

namespace veltrix::test {
namespace {

using ChannelLifecycleStressTest = ChannelFixture;

constexpr int32_t kChannels = 24;

// Every channel in a thread of its own, `cycles` cycles in all: open, receive a byte, close.
// Channels are independent, so their closes' 200 ms waits overlap.
void CycleAllChannels(const std::vector<sim::PseudoTerminal*>& devices, int cycles) {
    std::vector<std::jthread> threads;
    for (int32_t channel = 0; channel < kChannels; ++channel) {
        const int share = cycles / kChannels + (channel < cycles % kChannels ? 1 : 0);
        threads.emplace_back([channel, share, &device = *devices[channel]] {
            for (int i = 0; i < share; ++i) {
                ASSERT_EQ(VCI_OpenDevice(channel), 1) << "COM" << channel << " cycle " << i;
                const uint8_t byte = static_cast<uint8_t>(i);
                SendFromDevice(device, {byte});
                ASSERT_TRUE(WaitUntilReceived(channel, 1));
                ASSERT_EQ(TakeReceived(channel), std::vector<uint8_t>{byte});
                ASSERT_EQ(VCI_CloseDevice(channel), 1);
            }
        });
    }
}

TEST_F(ChannelLifecycleStressTest, ThousandOpenCloseCyclesLeaveNoDescriptorThreadOrMemory) {
    std::vector<sim::PseudoTerminal*> devices;
    for (int32_t channel = 0; channel < kChannels; ++channel) {
        devices.push_back(&ports_.AddPort(channel));
    }
    // The first round fills what the C library keeps for reuse: thread stacks, malloc arenas.
    CycleAllChannels(devices, kChannels);
    const size_t descriptors = OpenDescriptorCount();
    const size_t threads = ThreadCount();
    const MemoryUse memory = CurrentMemoryUse();

    CycleAllChannels(devices, 1000);

    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(ThreadCount(), threads);
    const MemoryUse after = CurrentMemoryUse();
    EXPECT_LT(after.heapBytes, memory.heapBytes + 256 * 1024);
    // A reader left unjoined keeps its whole stack mapped: 8 MB a cycle.
    EXPECT_LT(after.mappedBytes, memory.mappedBytes + 64 * 1024 * 1024);
}

// Both children open COM3 at the same moment; each reports whether it got the port and holds
// it until the parent has heard from both.
TEST_F(ChannelLifecycleStressTest, TwoProcessesRacingForOnePortNeverBothHoldIt) {
    constexpr int32_t kChannel = 3;
    constexpr int kRounds = 100;
    ports_.AddPort(kChannel);
    for (int round = 0; round < kRounds; ++round) {
        int start[2];
        int results[2];
        int release[2];
        ASSERT_EQ(::pipe(start), 0);
        ASSERT_EQ(::pipe(results), 0);
        ASSERT_EQ(::pipe(release), 0);
        pid_t children[2];
        for (pid_t& child : children) {
            child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(start[1]);
                ::close(release[1]);
                char ignored;
                [[maybe_unused]] ssize_t io = ::read(start[0], &ignored, 1);
                const char opened = static_cast<char>('0' + VCI_OpenDevice(kChannel));
                io = ::write(results[1], &opened, 1);
                io = ::read(release[0], &ignored, 1);
                // Gone at once, past any exit handler (a sanitizer's wait at exit included):
                // the kernel lets go of the port.
                ::kill(::getpid(), SIGKILL);
            }
        }
        ::close(start[0]);
        ::close(start[1]);  // both children wake now
        char opened[2] = {};
        ASSERT_EQ(::read(results[0], &opened[0], 1), 1);
        ASSERT_EQ(::read(results[0], &opened[1], 1), 1);
        ::close(release[1]);
        for (pid_t child : children) {
            ::waitpid(child, nullptr, 0);
        }
        for (int fd : {results[0], results[1], release[0]}) {
            ::close(fd);
        }
        ASSERT_EQ((opened[0] == '1') + (opened[1] == '1'), 1)
            << "round " << round << ": " << opened[0] << opened[1];
    }
}

}  // namespace
}  // namespace veltrix::test
