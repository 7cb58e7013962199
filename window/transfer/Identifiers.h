// CAN identifiers as the settings and the filter list hold them.
#pragma once

#include <cstdint>
#include <string>

namespace window::transfer {

// The identifier width of a frame type position: 11 bits for a standard frame (position 0),
// 29 bits for any other position, no selection included.
uint32_t IdentifierMask(int frameTypePosition);

// "0x" and exactly 8 upper-case hexadecimal digits, as a filter row shows an identifier.
std::string PrefixedHex8(uint32_t value);

}  // namespace window::transfer
