#include "ReceiveRing.h"

#include <algorithm>
#include <mutex>

#include "vci.h"

namespace vci {

// Static and zero at start: about 19 MB that no data path ever allocates. Constant-initialised,
// so no code runs over them at start: a page becomes resident only once a byte is written to it.
constinit ReceiveRing ReceiveRings[CHANNEL_COUNT];

namespace {
uint32_t NextSlot(uint32_t index) {
    return (index + 1) % RING_SLOTS;
}
}  // namespace

uint32_t RingCount(uint32_t readIndex, uint32_t writeIndex) {
    return readIndex > writeIndex ? writeIndex + RING_SLOTS - readIndex : writeIndex - readIndex;
}

int32_t RingPush(int32_t channel, uint32_t subChannel, uint8_t byte) {
    ReceiveRing& ring = RingOf(channel, subChannel);
    const uint32_t write = ring.writeIndex.load(std::memory_order_relaxed);
    const uint32_t next = NextSlot(write);
    if (next == ring.readIndex.load(std::memory_order_relaxed)) {
        return 0;
    }
    ring.slots[write] = byte;
    ring.writeIndex.store(next, std::memory_order_release);
    return 1;
}

int32_t RingPop(int32_t channel, uint32_t subChannel, uint32_t* value) {
    ReceiveRing& ring = RingOf(channel, subChannel);
    const uint32_t read = ring.readIndex.load(std::memory_order_relaxed);
    if (read == ring.writeIndex.load(std::memory_order_relaxed)) {
        return 0;
    }
    *value = ring.slots[read];
    ring.readIndex.store(NextSlot(read), std::memory_order_release);
    return 1;
}

}  // namespace vci

using namespace vci;

extern "C" uint32_t VCI_GetReceiveNum(int32_t channel, uint32_t subChannel) {
    if (!IsSubChannel(channel, subChannel)) {
        return 0;
    }
    const ReceiveRing& ring = RingOf(channel, subChannel);
    const uint32_t read = ring.readIndex.load(std::memory_order_acquire);
    const uint32_t write = ring.writeIndex.load(std::memory_order_acquire);
    return RingCount(read, write);
}

extern "C" int32_t VCI_ClearBuffer(int32_t channel, uint32_t subChannel) {
    if (!IsSubChannel(channel, subChannel)) {
        return 0;
    }
    ReceiveRing& ring = RingOf(channel, subChannel);
    std::lock_guard lock(ChannelTable[channel].ringLock);
    ring.readIndex.store(0, std::memory_order_release);
    ring.writeIndex.store(0, std::memory_order_release);
    return 1;
}

extern "C" uint32_t VCI_ReadDevice(int32_t channel, uint32_t subChannel, uint32_t* values,
                                   uint32_t maxCount, uint32_t timeoutMs) {
    if (!IsSubChannel(channel, subChannel) || values == nullptr) {
        return 0;
    }
    Channel& entry = ChannelTable[channel];
    // A closed channel has no event to wait on and its reader pushes nothing.
    if (!entry.dataEvent.Exists()) {
        return 0;
    }
    entry.dataEvent.Wait(timeoutMs);
    const uint32_t waiting = VCI_GetReceiveNum(channel, subChannel);
    std::lock_guard lock(entry.ringLock);
    const uint32_t wanted = std::min(waiting, maxCount);
    uint32_t taken = 0;
    while (taken < wanted && RingPop(channel, subChannel, &values[taken]) == 1) {
        ++taken;
    }
    return taken;
}
