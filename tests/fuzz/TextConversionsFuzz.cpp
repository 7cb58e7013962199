// The string-to-integer conversion on any text, against a model of its rules written the slow,
// obvious way: the same value or the same error. Every value it gives converts back from its own
// decimal and hexadecimal texts, and a hexadecimal field is "0x" and the text, nothing else.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Exception.h"
#include "FuzzTarget.h"
#include "TextConversions.h"

namespace {

using veltrix::fuzz::Require;

constexpr std::string_view kDecimalDigits = "0123456789";
constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";

bool AllOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

std::string_view WithoutLeading(std::string_view text, char unwanted) {
    return text.substr(std::min(text.find_first_not_of(unwanted), text.size()));
}

// Blanks, then a "$", "x", "X", "0x" or "0X" and 1 to 8 significant hexadecimal digits, or an
// optional sign and decimal digits within 32 signed bits; nothing after the digits.
std::optional<int32_t> Model(std::string_view text) {
    text = WithoutLeading(text, ' ');
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (!text.starts_with(prefix)) {
            continue;
        }
        const std::string_view digits = text.substr(prefix.size());
        const std::string_view significant = WithoutLeading(digits, '0');
        if (digits.empty() || !AllOf(digits, kHexDigits) || significant.size() > 8) {
            return std::nullopt;
        }
        const uint64_t value =
            significant.empty() ? 0 : std::stoull(std::string(significant), nullptr, 16);
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const std::string_view significant = WithoutLeading(text, '0');
    if (text.empty() || !AllOf(text, kDecimalDigits) || significant.size() > 10) {
        return std::nullopt;
    }
    const int64_t magnitude = significant.empty() ? 0 : std::stoll(std::string(significant));
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// The value, or nothing after checking that the error names the text as converted.
template <typename Conversion>
auto Converted(Conversion conversion, const std::string& text, const std::string& asConverted)
    -> std::optional<decltype(conversion(text))> {
    try {
        return conversion(text);
    } catch (const platform::EConvertError& error) {
        const std::string expected = "'" + asConverted + "' is not a valid integer value";
        // Messages are C strings: a text's NUL, which no edit lets anyone type, ends it there.
        Require(error.Message() == expected.c_str(),
                "the conversion error names the text as converted");
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::optional<int32_t> value = Converted(platform::StrToInt, text, text);
    Require(value == Model(text), "StrToInt agrees with the model");
    if (value) {
        Require(platform::StrToInt(platform::IntToStr(*value)) == *value,
                "a value converts back from its decimal text");
        const auto bits = static_cast<uint32_t>(*value);
        Require(platform::HexFieldToInt(platform::IntToHex(bits, 8)) == bits,
                "a value converts back from its hexadecimal text");
    }

    const std::optional<uint32_t> field = Converted(platform::HexFieldToInt, text, "0x" + text);
    const std::optional<int32_t> prefixed = Model("0x" + text);
    Require(field.has_value() == prefixed.has_value() &&
                (!field || *field == static_cast<uint32_t>(*prefixed)),
            "a hexadecimal field converts as \"0x\" and its text");
    return 0;
}
