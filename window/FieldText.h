// Numbers as the settings fields show them, and back.
#pragma once

#include <QString>

#include <cstdint>

class QLineEdit;

namespace window {

// The edit's bare hexadecimal digits through the hexadecimal field conversion; throws
// platform::EConvertError naming the text with its "0x".
uint32_t HexFieldValue(const QLineEdit* edit);

// "0x" and exactly 8 upper-case hexadecimal digits, as a filter row shows an identifier.
QString PrefixedHex8(uint32_t value);

}  // namespace window
