#include "Identifiers.h"

#include "TextConversions.h"

namespace window::transfer {

namespace {

constexpr int STANDARD_FRAME = 0;
constexpr uint32_t STANDARD_ID_MASK = 0x7FF;
constexpr uint32_t EXTENDED_ID_MASK = 0x1FFFFFFF;

}  // namespace

uint32_t IdentifierMask(int frameTypePosition) {
    return frameTypePosition == STANDARD_FRAME ? STANDARD_ID_MASK : EXTENDED_ID_MASK;
}

std::string PrefixedHex8(uint32_t value) {
    return "0x" + platform::IntToHex(value, 8);
}

}  // namespace window::transfer
