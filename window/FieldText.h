// Numbers as the settings fields show them, and back.
#pragma once

#include <cstdint>

class QLineEdit;

namespace window {

// The edit's bare hexadecimal digits through the hexadecimal field conversion; throws
// platform::EConvertError naming the text with its "0x".
uint32_t HexFieldValue(const QLineEdit* edit);

}  // namespace window
