// Bad arguments, opens that fail half-way, and ports that vanish while open.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <thread>

#include "ChannelFixture.h"
#include "ProcessResources.h"

namespace veltrix::test {
namespace {

using namespace std::chrono_literals;
using ChannelFailureTest = ChannelFixture;

TEST_F(ChannelFailureTest, NumbersOutsideTheTableAreRefusedByEveryOperation) {
    ports_.AddPort(0);
    ASSERT_EQ(VCI_OpenDevice(0), 1);
    uint32_t values[4];
    const uint8_t byte = 0;
    for (int32_t channel : {-1, 24, 25, INT_MIN, INT_MAX}) {
        EXPECT_EQ(VCI_OpenDevice(channel), 0) << channel;
        EXPECT_EQ(VCI_CloseDevice(channel), 0) << channel;
        EXPECT_EQ(_VCI_WriteDevice(channel, &byte, 1), 0) << channel;
        EXPECT_EQ(VCI_ReadDevice(channel, 0, values, 4, 0), 0u) << channel;
        EXPECT_EQ(VCI_GetReceiveNum(channel, 0), 0u) << channel;
        EXPECT_EQ(VCI_ClearBuffer(channel, 0), 0) << channel;
    }
    for (uint32_t subChannel : {1u, 2u, 0x80000000u, UINT32_MAX}) {
        EXPECT_EQ(VCI_ReadDevice(0, subChannel, values, 4, 0), 0u) << subChannel;
        EXPECT_EQ(VCI_GetReceiveNum(0, subChannel), 0u) << subChannel;
        EXPECT_EQ(VCI_ClearBuffer(0, subChannel), 0) << subChannel;
    }
    EXPECT_EQ(VCI_ReadDevice(0, 0, nullptr, 4, 0), 0u);
}

TEST_F(ChannelFailureTest, MissingPortFailsToOpen) {
    EXPECT_EQ(VCI_OpenDevice(4), 0);
}

TEST_F(ChannelFailureTest, PortThatCannotBeConfiguredIsReleasedAtOnce) {
    const std::string notATty = ports_.Path() + "/plain-file";
    ::close(::open(notATty.c_str(), O_CREAT | O_WRONLY, 0600));
    ports_.AddLink(5, notATty);
    const size_t descriptorsBefore = OpenDescriptorCount();

    EXPECT_EQ(VCI_OpenDevice(5), 0);

    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
    const int other = ::open(notATty.c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0) << "the failed open must not keep its lock";
    ::close(other);

    std::filesystem::remove(ports_.Path() + "/COM5");
    auto& port = ports_.AddPort(5);
    ASSERT_EQ(VCI_OpenDevice(5), 1) << "the channel must be closed again, not half-open";
    SendFromDevice(port, {0x33});
    EXPECT_TRUE(WaitUntilReceived(5, 1));
}

TEST_F(ChannelFailureTest, VanishedPortNeitherSpinsNorBlocksTheCloseOrTheNextOpen) {
    auto& first = ports_.AddPort(3);
    ASSERT_EQ(VCI_OpenDevice(3), 1);

    first.HangUp();
    const auto cpuBefore = ProcessCpuTime();
    std::this_thread::sleep_for(500ms);
    // A reader spinning on the hung-up port would burn the whole half second.
    EXPECT_LT(ProcessCpuTime() - cpuBefore, 250ms);

    const uint8_t request[4] = {0xCC, 0xDD, 0, 0};
    EXPECT_EQ(_VCI_WriteDevice(3, request, sizeof request), 0);
    uint32_t values[4];
    EXPECT_EQ(VCI_ReadDevice(3, 0, values, 4, 0), 0u);
    EXPECT_EQ(VCI_CloseDevice(3), 1);

    std::filesystem::remove(first.LinkPath());
    auto& second = ports_.AddPort(3);
    ASSERT_EQ(VCI_OpenDevice(3), 1);
    SendFromDevice(second, {0x44});
    ASSERT_TRUE(WaitUntilReceived(3, 1));
    EXPECT_EQ(TakeReceived(3), std::vector<uint8_t>{0x44});
}

}  // namespace
}  // namespace veltrix::test
