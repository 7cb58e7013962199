// Bytes through an open channel: both directions, the ring's hand-over rules, the purge at open.
#include <thread>

#include "ChannelFixture.h"

namespace veltrix::test {
namespace {

using namespace std::chrono_literals;

class ChannelTransferTest : public ChannelFixture {
  protected:
    void SetUp() override { ASSERT_EQ(VCI_OpenDevice(kChannel), 1); }

    static constexpr int32_t kChannel = 3;
    sim::PseudoTerminal& port_ = ports_.AddPort(kChannel);
};

TEST_F(ChannelTransferTest, EveryByteValueArrivesUnalteredAsAnUnsignedValue) {
    const auto bytes = EveryByteValue();
    SendFromDevice(port_, bytes);
    ASSERT_TRUE(WaitUntilReceived(kChannel, 256));
    uint32_t values[256];
    ASSERT_EQ(VCI_ReadDevice(kChannel, 0, values, 256, 0), 256u);
    for (uint32_t i = 0; i < 256; ++i) {
        EXPECT_EQ(values[i], i);
    }
}

TEST_F(ChannelTransferTest, EveryByteValueLeavesUnaltered) {
    const auto bytes = EveryByteValue();
    ASSERT_EQ(_VCI_WriteDevice(kChannel, bytes.data(), 256), 1);
    EXPECT_EQ(ReceiveAtDevice(port_, 256), bytes);
}

TEST_F(ChannelTransferTest, FreshChannelHasNothingWaiting) {
    uint32_t values[4];
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 0u);
    EXPECT_EQ(VCI_ReadDevice(kChannel, 0, values, 4, 0), 0u);
}

TEST_F(ChannelTransferTest, ReadTakesAtMostMaxCountOldestFirst) {
    std::vector<uint8_t> bytes(300);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7);
    }
    SendFromDevice(port_, bytes);
    ASSERT_TRUE(WaitUntilReceived(kChannel, 300));

    uint32_t values[300] = {};
    EXPECT_EQ(VCI_ReadDevice(kChannel, 0, values, 0, 0), 0u);
    ASSERT_EQ(VCI_ReadDevice(kChannel, 0, values, 240, 0), 240u);
    for (size_t i = 0; i < 240; ++i) {
        ASSERT_EQ(values[i], bytes[i]) << "value " << i;
    }
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 60u);
    EXPECT_EQ(TakeReceived(kChannel), std::vector<uint8_t>(bytes.begin() + 240, bytes.end()));
}

TEST_F(ChannelTransferTest, TimeoutIsWaitedInFullEvenWithBytesWaiting) {
    SendFromDevice(port_, {1});
    ASSERT_TRUE(WaitUntilReceived(kChannel, 1));
    uint32_t value = 0;
    uint32_t taken = 0;
    EXPECT_GE(TimeOf([&] { taken = VCI_ReadDevice(kChannel, 0, &value, 1, 120); }), 120ms);
    EXPECT_EQ(taken, 1u);
    EXPECT_EQ(value, 1u);
}

TEST_F(ChannelTransferTest, BytesQueuedBeforeTheOpenAreDiscarded) {
    VCI_CloseDevice(kChannel);
    SendFromDevice(port_, {0xEE, 0xEE, 0xEE});
    std::this_thread::sleep_for(20ms);
    ASSERT_EQ(VCI_OpenDevice(kChannel), 1);
    SendFromDevice(port_, {0x5A});
    ASSERT_TRUE(WaitUntilReceived(kChannel, 1));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(TakeReceived(kChannel), std::vector<uint8_t>{0x5A});
}

TEST_F(ChannelTransferTest, WritesNeedAnOpenChannelAndMayBeEmpty) {
    const uint8_t byte = 0x11;
    EXPECT_EQ(_VCI_WriteDevice(kChannel, &byte, 0), 1);
    EXPECT_EQ(_VCI_WriteDevice(kChannel, nullptr, 0), 1);
    EXPECT_EQ(_VCI_WriteDevice(kChannel, nullptr, 1), 0);
    EXPECT_EQ(_VCI_WriteDevice(9, &byte, 1), 0) << "channel 9 was never opened";
    VCI_CloseDevice(kChannel);
    EXPECT_EQ(_VCI_WriteDevice(kChannel, &byte, 1), 0);
}

}  // namespace
}  // namespace veltrix::test
