// The 24 serial channels, named by COM number, and their state.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "Event.h"
#include "SerialPort.h"
#include "ThreadHandle.h"

namespace vci {

inline constexpr int32_t CHANNEL_COUNT = 24;
// Each channel has exactly one sub-channel.
inline constexpr uint32_t ONLY_SUB_CHANNEL = 0;
// The least time a close of an open channel takes, as callers have always seen it.
inline constexpr uint32_t CLOSE_WAIT_MS = 200;

// A channel is closed exactly when its port is not open: a failed open releases all it took.
struct Channel {
    SerialPort portHandle;
    std::atomic<int32_t> running{0};  // 1 while the reader thread is to keep running
    Event dataEvent;                  // waited on by VCI_ReadDevice; nothing signals it
    std::mutex ringLock;              // guards the channel's receive ring
    Event wakeEvent;                  // lets the close wake the reader at once
    ThreadHandle reader;
};

extern Channel ChannelTable[CHANNEL_COUNT];

inline bool IsChannel(int32_t channel) {
    return channel >= 0 && channel < CHANNEL_COUNT;
}
inline bool IsSubChannel(int32_t channel, uint32_t subChannel) {
    return IsChannel(channel) && subChannel == ONLY_SUB_CHANNEL;
}

}  // namespace vci
