#include "ReaderThread.h"

#include <algorithm>
#include <mutex>

#include "ChannelTable.h"
#include "ReceiveRing.h"

namespace vci {

void ReaderThread(int32_t channel) {
    Channel& entry = ChannelTable[channel];
    const SerialPort port = entry.portHandle;
    RaiseCurrentThreadPriority();
    uint8_t buffer[READ_BUFFER_SIZE];

    while (entry.running.load() == 1) {
        const PortWait wait = port.WaitReadable(entry.wakeEvent, READER_WAIT_MS);
        if (wait == PortWait::Gone) {
            // A port that went away stays readable-with-error; pace the passes by the wake event.
            entry.wakeEvent.Wait(READER_WAIT_MS);
            continue;
        }
        if (wait != PortWait::Readable) {
            continue;
        }
        uint32_t queued = 0;
        uint32_t got = 0;
        if (!port.CountQueued(queued) || queued == 0 ||
            !port.ReadQueued(buffer, std::min(queued, READ_BUFFER_SIZE), got) || got == 0) {
            // Readable with nothing to read means trouble: wait rather than spin.
            entry.wakeEvent.Wait(READER_WAIT_MS);
            continue;
        }
        // One byte per lock, so a consumer never waits behind a whole buffer.
        for (uint32_t i = 0; i < got; ++i) {
            std::lock_guard lock(entry.ringLock);
            RingPush(channel, ONLY_SUB_CHANNEL, buffer[i]);
        }
    }
}

}  // namespace vci
