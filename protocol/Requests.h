// The two requests the tool sends to the device. The device's only reply is its image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ParameterImage.h"

namespace veltrix::protocol {

// Read request: the mark, the page index and one byte the device ignores.
inline constexpr std::array<uint8_t, 2> READ_REQUEST_MARK = {0xCC, 0xDD};
inline constexpr uint8_t READ_REQUEST_FILLER = 0x00;
inline constexpr size_t READ_REQUEST_SIZE = 4;

// Write request: the mark, the page index and the whole image, checksum first.
inline constexpr std::array<uint8_t, 2> WRITE_REQUEST_MARK = {0xAA, 0xBB};
inline constexpr size_t WRITE_REQUEST_SIZE = 3 + PARAMETER_IMAGE_SIZE;

// Where the page index and a write request's image sit in a request.
inline constexpr size_t REQUEST_PAGE_OFFSET = 2;
inline constexpr size_t REQUEST_IMAGE_OFFSET = 3;

std::array<uint8_t, READ_REQUEST_SIZE> MakeReadRequest(uint8_t pageIndex);
// Carries the image as it is: its checksum is the caller's to set.
std::array<uint8_t, WRITE_REQUEST_SIZE> MakeWriteRequest(uint8_t pageIndex,
                                                         const ParameterImage& image);

}  // namespace veltrix::protocol
