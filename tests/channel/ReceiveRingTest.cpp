// The ring and its count rule, without a port.
#include <gtest/gtest.h>

#include <mutex>

#include "ReceiveRing.h"
#include "vci.h"

namespace vci {
namespace {

// A channel that no test opens, so only these tests touch its ring.
constexpr int32_t kChannel = 21;

class ReceiveRingTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(VCI_ClearBuffer(kChannel, 0), 1); }

    static int32_t Push(uint8_t byte) {
        std::lock_guard lock(ChannelTable[kChannel].ringLock);
        return RingPush(kChannel, 0, byte);
    }
    static int32_t Pop(uint32_t& value) {
        std::lock_guard lock(ChannelTable[kChannel].ringLock);
        return RingPop(kChannel, 0, &value);
    }
};

TEST_F(ReceiveRingTest, BytesComeOutInArrivalOrderWidenedWithoutSign) {
    for (int byte = 0; byte < 256; ++byte) {
        ASSERT_EQ(Push(static_cast<uint8_t>(byte)), 1);
    }
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 256u);
    for (uint32_t expected = 0; expected < 256; ++expected) {
        uint32_t value = 0xDEADBEEF;
        ASSERT_EQ(Pop(value), 1);
        EXPECT_EQ(value, expected);
    }
    uint32_t value = 0;
    EXPECT_EQ(Pop(value), 0);
}

TEST_F(ReceiveRingTest, HoldsTwoHundredThousandBytesThenDropsTheNewest) {
    for (uint32_t i = 0; i < RING_CAPACITY; ++i) {
        ASSERT_EQ(Push(static_cast<uint8_t>(i)), 1) << "byte " << i;
    }
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 200000u);
    EXPECT_EQ(Push(0xAA), 0);
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 200000u);

    uint32_t oldest = 0xFFFF;
    ASSERT_EQ(Pop(oldest), 1);
    EXPECT_EQ(oldest, 0u);
    EXPECT_EQ(Push(0xBB), 1);
    EXPECT_EQ(Push(0xCC), 0);
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 200000u);
}

TEST_F(ReceiveRingTest, CountFollowsTheIndicesAcrossTheWrap) {
    struct Case {
        uint32_t readIndex, writeIndex, count;
    };
    const Case cases[] = {
        {0, 0, 0},       {0, 10, 10},         {199990, 10, 21},
        {10, 9, 200000}, {200000, 0, 1},      {200000, 199999, 200000},
        {123, 123, 0},   {0, 200000, 200000},
    };
    ReceiveRing& ring = ReceiveRings[kChannel];
    for (const Case& c : cases) {
        EXPECT_EQ(RingCount(c.readIndex, c.writeIndex), c.count)
            << c.readIndex << " " << c.writeIndex;
        ring.readIndex = c.readIndex;
        ring.writeIndex = c.writeIndex;
        EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), c.count);
    }
}

TEST_F(ReceiveRingTest, PopsWrapFromTheLastSlotToTheFirst) {
    ReceiveRing& ring = ReceiveRings[kChannel];
    ring.readIndex = RING_SLOTS - 1;
    ring.writeIndex = RING_SLOTS - 1;
    ASSERT_EQ(Push(7), 1);
    ASSERT_EQ(Push(8), 1);
    EXPECT_EQ(ring.writeIndex.load(), 1u);
    uint32_t first = 0;
    uint32_t second = 0;
    ASSERT_EQ(Pop(first), 1);
    ASSERT_EQ(Pop(second), 1);
    EXPECT_EQ(first, 7u);
    EXPECT_EQ(second, 8u);
    EXPECT_EQ(ring.readIndex.load(), 1u);
}

TEST_F(ReceiveRingTest, ClearEmptiesOnlySubChannelZero) {
    for (uint8_t byte : {1, 2, 3}) {
        Push(byte);
    }
    EXPECT_EQ(VCI_ClearBuffer(kChannel, 1), 0);
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 3u);
    EXPECT_EQ(VCI_ClearBuffer(kChannel, 0), 1);
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 0u);
}

}  // namespace
}  // namespace vci
