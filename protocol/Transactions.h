// Reading the device's image and writing a new one, with a read-back check. Both run on the
// calling thread and sleep on it; there is no acknowledgement and no retry.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ParameterImage.h"
#include "TransactionView.h"

namespace veltrix::protocol {

// Time the device has to deliver its image after a read request.
inline constexpr uint32_t READ_WAIT_MS = 300;
// Time the device has to store a written image before it is read back.
inline constexpr uint32_t WRITE_WAIT_MS = 1000;
// The read-back is compared from here on: bytes before are the checksum and the device's own
// identity.
inline constexpr size_t VERIFY_OFFSET = 15;

inline constexpr char WRITE_SUCCEED_TEXT[] = "Write device parameter Succeed!";
inline constexpr char WRITE_FAIL_TEXT[] = "Write device parameter fail!";
// Spelled so on every box about a transfer.
inline constexpr char WARING_CAPTION[] = "Waring";

// True when the device's 240-byte image arrived within READ_WAIT_MS with a right checksum; the
// image then holds it. Shows nothing: the caller reports the outcome.
bool ReadDeviceParameter(TransactionView& view, uint8_t pageIndex, ParameterImage& image);

// Stores the checksum into the image, sends it, reads it back and reports the outcome itself.
void WriteDeviceParameter(TransactionView& view, uint8_t pageIndex, ParameterImage& image);

}  // namespace veltrix::protocol
