#include "TextConversions.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "Exception.h"

namespace platform {

namespace {

constexpr int64_t LARGEST_POSITIVE = 2147483647;
constexpr int64_t LARGEST_NEGATIVE = 2147483648;
// Past this, one more hexadecimal digit no longer fits in 32 bits.
constexpr uint32_t LARGEST_BEFORE_LAST_HEX_DIGIT = 0x0FFFFFFF;

[[noreturn]] void FailConversion(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

int HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

size_t HexPrefixLength(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return 2;
    }
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        return 1;
    }
    return 0;
}

int32_t HexDigitsToInt(std::string_view digits, const std::string& text) {
    if (digits.empty()) {
        FailConversion(text);
    }
    uint32_t value = 0;
    for (const char digit : digits) {
        const int digitValue = HexDigitValue(digit);
        if (digitValue < 0 || value > LARGEST_BEFORE_LAST_HEX_DIGIT) {
            FailConversion(text);
        }
        value = value * 16 + static_cast<uint32_t>(digitValue);
    }
    return static_cast<int32_t>(value);
}

int32_t SignedDecimalToInt(std::string_view number, const std::string& text) {
    const bool negative = number.starts_with('-');
    if (negative || number.starts_with('+')) {
        number.remove_prefix(1);
    }
    if (number.empty()) {
        FailConversion(text);
    }
    const int64_t limit = negative ? LARGEST_NEGATIVE : LARGEST_POSITIVE;
    int64_t magnitude = 0;
    for (const char digit : number) {
        if (digit < '0' || digit > '9') {
            FailConversion(text);
        }
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > limit) {
            FailConversion(text);
        }
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(uint32_t value, int minDigits) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*X", minDigits, static_cast<unsigned>(value));
    return digits;
}

int32_t StrToInt(const std::string& text) {
    std::string_view rest = text;
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    if (const size_t prefix = HexPrefixLength(rest); prefix > 0) {
        return HexDigitsToInt(rest.substr(prefix), text);
    }
    return SignedDecimalToInt(rest, text);
}

uint32_t HexFieldToInt(const std::string& digits) {
    return static_cast<uint32_t>(StrToInt("0x" + digits));
}

}  // namespace platform
