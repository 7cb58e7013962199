// Conversions between integers and their texts, as every settings field uses them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Decimal text without leading zeros, "-" in front of a negative value.
std::string IntToStr(int64_t value);

// Upper-case hexadecimal digits, zero-padded to at least `minDigits`, without prefix.
std::string IntToHex(uint32_t value, int minDigits);

// Optional leading blanks, then either an optional "+" or "-" and decimal digits in
// -2147483648..2147483647, or a "$", "x", "X", "0x" or "0X" prefix and hexadecimal digits with at
// most 8 significant ones, taken as a 32-bit pattern ("$FFFFFFFF" gives -1). Nothing may follow
// the digits. Anything else throws EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);

// An edit that holds bare hexadecimal digits: "0x" + `digits` through StrToInt, so blanks, signs
// and a prefix of the edit's own fail, and the error names the text with its "0x".
uint32_t HexFieldToInt(const std::string& digits);

}  // namespace platform
