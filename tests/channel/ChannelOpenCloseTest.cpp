// Opening and closing channels: naming, exclusive access, the close's wait, the reader's end.
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "ChannelFixture.h"

namespace veltrix::test {
namespace {

using namespace std::chrono_literals;
using ChannelOpenCloseTest = ChannelFixture;

TEST_F(ChannelOpenCloseTest, OpensEveryComNumberByItsName) {
    for (int32_t channel : {0, 1, 10, 23}) {
        ports_.AddPort(channel);
    }
    for (int32_t channel : {0, 1, 10, 23}) {
        EXPECT_EQ(VCI_OpenDevice(channel), 1) << "COM" << channel;
    }
    EXPECT_EQ(VCI_OpenDevice(2), 0) << "no COM2 in the port directory";
}

TEST_F(ChannelOpenCloseTest, SecondOpenFailsAndLeavesTheOpenChannelWorking) {
    auto& port = ports_.AddPort(3);
    ASSERT_EQ(VCI_OpenDevice(3), 1);
    SendFromDevice(port, {1, 2});
    ASSERT_TRUE(WaitUntilReceived(3, 2));

    EXPECT_EQ(VCI_OpenDevice(3), 0);

    EXPECT_EQ(VCI_GetReceiveNum(3, 0), 2u) << "a refused open must not empty the ring";
    SendFromDevice(port, {3});
    ASSERT_TRUE(WaitUntilReceived(3, 3)) << "the reader must still run";
    EXPECT_EQ(TakeReceived(3), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(ChannelOpenCloseTest, OnePortUnderTwoNumbersOpensOnce) {
    auto& port = ports_.AddPort(3);
    ports_.AddLink(4, port.PortPath());
    ASSERT_EQ(VCI_OpenDevice(3), 1);
    EXPECT_EQ(VCI_OpenDevice(4), 0);
    VCI_CloseDevice(3);
    EXPECT_EQ(VCI_OpenDevice(4), 1);
}

TEST_F(ChannelOpenCloseTest, PortHeldByAnotherProcessIsRefusedUntilItLetsGo) {
    ports_.AddPort(3);
    int toParent[2];
    int toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char opened = static_cast<char>('0' + VCI_OpenDevice(3));
        [[maybe_unused]] ssize_t io = ::write(toParent[1], &opened, 1);
        char done;
        io = ::read(toChild[0], &done, 1);
        ::_exit(0);
    }
    char opened = 0;
    ASSERT_EQ(::read(toParent[0], &opened, 1), 1);
    ASSERT_EQ(opened, '1');

    EXPECT_EQ(VCI_OpenDevice(3), 0);

    ASSERT_EQ(::write(toChild[1], "x", 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]}) {
        ::close(fd);
    }
    EXPECT_EQ(VCI_OpenDevice(3), 1);
}

TEST_F(ChannelOpenCloseTest, ClosingAClosedChannelGivesOneAndReleasesNothing) {
    ports_.AddPort(5);
    EXPECT_EQ(VCI_CloseDevice(5), 1);
    EXPECT_EQ(VCI_CloseDevice(5), 1);
    ASSERT_EQ(VCI_OpenDevice(5), 1);
    ASSERT_EQ(VCI_CloseDevice(5), 1);
    EXPECT_EQ(VCI_CloseDevice(5), 1);
    EXPECT_EQ(VCI_OpenDevice(5), 1);
}

TEST_F(ChannelOpenCloseTest, CloseTakesAtLeastTheWaitAndTheChannelOpensAgain) {
    auto& port = ports_.AddPort(7);
    ASSERT_EQ(VCI_OpenDevice(7), 1);
    int32_t result = 0;
    EXPECT_GE(TimeOf([&] { result = VCI_CloseDevice(7); }), 200ms);
    EXPECT_EQ(result, 1);

    ASSERT_EQ(VCI_OpenDevice(7), 1);
    SendFromDevice(port, {0x42});
    ASSERT_TRUE(WaitUntilReceived(7, 1));
    EXPECT_EQ(TakeReceived(7), std::vector<uint8_t>{0x42});
}

TEST_F(ChannelOpenCloseTest, ClosedChannelKeepsItsBytesUntilTheNextOpen) {
    auto& port = ports_.AddPort(6);
    ASSERT_EQ(VCI_OpenDevice(6), 1);
    SendFromDevice(port, {9, 8, 7});
    ASSERT_TRUE(WaitUntilReceived(6, 3));
    VCI_CloseDevice(6);

    SendFromDevice(port, {6, 5});
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(VCI_GetReceiveNum(6, 0), 3u) << "nothing may be received after the close";
    uint32_t values[3];
    EXPECT_EQ(VCI_ReadDevice(6, 0, values, 3, 0), 0u) << "a closed channel hands out nothing";

    ASSERT_EQ(VCI_OpenDevice(6), 1);
    EXPECT_EQ(VCI_GetReceiveNum(6, 0), 0u);
}

}  // namespace
}  // namespace veltrix::test
