#include "ChannelTable.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <type_traits>

#include "ReaderThread.h"
#include "vci.h"

namespace vci {

// Constant-initialised and trivially destructible: usable before main and never torn down.
Channel ChannelTable[CHANNEL_COUNT];
static_assert(std::is_trivially_destructible_v<Channel>);

namespace {

void ReleaseChannel(Channel& channel) {
    channel.portHandle.Close();
    channel.dataEvent.Destroy();
    channel.wakeEvent.Destroy();
}

int32_t FailOpen(Channel& channel) {
    ReleaseChannel(channel);
    return 0;
}

}  // namespace

}  // namespace vci

using namespace vci;

extern "C" int32_t VCI_OpenDevice(int32_t channel) {
    if (!IsChannel(channel)) {
        return 0;
    }
    Channel& entry = ChannelTable[channel];
    if (entry.portHandle.IsOpen()) {
        return 0;
    }
    char deviceName[24] = {};
    std::snprintf(deviceName, sizeof deviceName, "COM%d", channel);
    if (!entry.portHandle.OpenExclusive(deviceName)) {
        return 0;
    }
    LineSettings line;
    if (!entry.portHandle.ReadLineSettings(line)) {
        return FailOpen(entry);
    }
    SetFixedLineFormat(line);
    if (!entry.portHandle.WriteLineSettings(line)) {
        return FailOpen(entry);
    }
    entry.portHandle.Purge();
    if (!entry.dataEvent.Create() || !entry.wakeEvent.Create()) {
        return FailOpen(entry);
    }
    VCI_ClearBuffer(channel, ONLY_SUB_CHANNEL);
    entry.running = 1;
    if (!entry.reader.Start(ReaderThread, channel)) {
        entry.running = 0;
        return FailOpen(entry);
    }
    return 1;
}

extern "C" int32_t VCI_CloseDevice(int32_t channel) {
    if (!IsChannel(channel)) {
        return 0;
    }
    Channel& entry = ChannelTable[channel];
    if (!entry.portHandle.IsOpen()) {
        return 1;
    }
    // A failed open keeps nothing, so an open port always has its reader running. The reader
    // must be gone before the port closes: its descriptor number would be reused.
    const auto closeStarted = std::chrono::steady_clock::now();
    entry.running = 0;
    entry.wakeEvent.Signal();
    entry.reader.Join();
    ReleaseChannel(entry);
    std::this_thread::sleep_until(closeStarted + std::chrono::milliseconds(CLOSE_WAIT_MS));
    return 1;
}

extern "C" int32_t _VCI_WriteDevice(int32_t channel, const void* buffer, uint32_t length) {
    if (!IsChannel(channel) || (buffer == nullptr && length > 0)) {
        return 0;
    }
    const SerialPort& port = ChannelTable[channel].portHandle;
    return port.IsOpen() && port.WriteAll(buffer, length) ? 1 : 0;
}
