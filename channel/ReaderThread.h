// The thread that moves received bytes from an open channel's port into its receive ring.
#pragma once

#include <cstdint>

namespace vci {

// Never smaller than a full ring, so one pass can take whatever the driver holds.
inline constexpr uint32_t READ_BUFFER_SIZE = 200000;
// The longest a pass waits for the port; the close wakes the reader sooner.
inline constexpr uint32_t READER_WAIT_MS = 100;

// Runs while the channel's `running` is 1.
void ReaderThread(int32_t channel);

}  // namespace vci
