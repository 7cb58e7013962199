// The per-channel receive rings and the operations on them.
#pragma once

#include <atomic>
#include <cstdint>

#include "ChannelTable.h"

namespace vci {

// One slot always stays free, so a ring holds at most RING_SLOTS - 1 bytes.
inline constexpr uint32_t RING_SLOTS = 200001;
inline constexpr uint32_t RING_CAPACITY = RING_SLOTS - 1;

// The indices are atomic so that VCI_GetReceiveNum can read them without the lock.
struct ReceiveRing {
    std::atomic<uint32_t> writeIndex{0};
    std::atomic<uint32_t> readIndex{0};
    uint32_t slots[RING_SLOTS]{};  // one received byte per slot, upper 24 bits zero
};

extern ReceiveRing ReceiveRings[CHANNEL_COUNT];

// Ring n belongs to channel n: its only sub-channel, 0, adds nothing to the address.
inline ReceiveRing& RingOf(int32_t channel, [[maybe_unused]] uint32_t subChannel) {
    return ReceiveRings[channel];
}

// Bytes waiting between the two indices, 0 to RING_CAPACITY.
uint32_t RingCount(uint32_t readIndex, uint32_t writeIndex);

// Both with the channel's ringLock held. 1 when a byte was stored; 0 when full and dropped.
int32_t RingPush(int32_t channel, uint32_t subChannel, uint8_t byte);
// 1 when the oldest byte was taken into *value; 0 when empty.
int32_t RingPop(int32_t channel, uint32_t subChannel, uint32_t* value);

}  // namespace vci
