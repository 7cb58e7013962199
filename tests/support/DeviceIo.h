// The device's side of a pseudo-terminal serial line, as the channel tests drive it.
#pragma once

#include <cstdint>
#include <vector>

#include "PseudoTerminal.h"

namespace veltrix::test {

// Bounds for waiting on something that should happen in well under a millisecond.
inline constexpr int kPatienceMs = 5000;

void SendFromDevice(const sim::PseudoTerminal& port, const std::vector<uint8_t>& bytes);
// Whatever the host wrote, once `count` bytes are in or kPatienceMs have passed.
std::vector<uint8_t> ReceiveAtDevice(const sim::PseudoTerminal& port, size_t count);
// True once the channel's ring counts at least `count` bytes; false after kPatienceMs.
bool WaitUntilReceived(int32_t channel, uint32_t count);
// Takes every waiting byte of the channel, each narrowed back to a byte.
std::vector<uint8_t> TakeReceived(int32_t channel);

std::vector<uint8_t> EveryByteValue();

}  // namespace veltrix::test
