// The text conversions decide what every write sends: tables of accepted and refused texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "Exception.h"
#include "TextConversions.h"

namespace platform {
namespace {

std::string ConversionErrorOf(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

// The value the conversion gives for `text` in decimal, or the message of its conversion error.
template <typename Conversion>
std::string OutcomeOf(Conversion conversion, const std::string& text) {
    try {
        return std::to_string(conversion(text));
    } catch (const EConvertError& error) {
        return error.Message();
    }
}

TEST(IntToStrTest, WritesDecimalWithSignAndWithoutLeadingZeros) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(258), "258");
    EXPECT_EQ(IntToStr(-1), "-1");
    EXPECT_EQ(IntToStr(std::numeric_limits<int32_t>::min()), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<uint32_t>::max()), "4294967295");
}

TEST(IntToHexTest, WritesUpperCaseDigitsPaddedToTheMinimumButNeverCut) {
    const struct {
        uint32_t value;
        int minDigits;
        const char* text;
    } cases[] = {
        {0, 8, "00000000"},
        {0x7FF, 8, "000007FF"},
        {0x1A2B, 4, "1A2B"},
        {0x100, 4, "0100"},
        {0x5, 2, "05"},
        {0xCD, 2, "CD"},
        {0xABCDEF12, 2, "ABCDEF12"},
        {0xFFFFFFFF, 8, "FFFFFFFF"},
        {0x1F, 1, "1F"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(IntToHex(each.value, each.minDigits), each.text) << each.value;
    }
}

TEST(StrToIntTest, AcceptsDecimalWithBlanksSignAndLeadingZeros) {
    const std::pair<const char*, int32_t> cases[] = {
        {"0", 0},
        {"12", 12},
        {"+12", 12},
        {"-12", -12},
        {" 12", 12},
        {"   -7", -7},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"00000000000002147483647", 2147483647},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(OutcomeOf(StrToInt, text), std::to_string(value)) << text;
    }
}

TEST(StrToIntTest, AcceptsEveryHexPrefixWithUpToEightSignificantDigitsAsBitPattern) {
    const std::pair<const char*, int32_t> cases[] = {
        {"$10", 16},
        {"x10", 16},
        {"X1f", 31},
        {"0x10", 16},
        {"0X7fF", 0x7FF},
        {"$0", 0},
        {"0x0", 0},
        {"0xFFFFFFFF", -1},
        {"$FFFFFFFF", -1},
        {"0x80000000", std::numeric_limits<int32_t>::min()},
        {"0x7FFFFFFF", 2147483647},
        {"0x000000001", 1},
        {"0x00000000FFFFFFFF", -1},
        {"0xabcdef", 0xABCDEF},
        // Leading blanks are skipped before a prefix as before a sign.
        {"  $10", 16},
        {" 0x10", 16},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(OutcomeOf(StrToInt, text), std::to_string(value)) << text;
    }
}

TEST(StrToIntTest, RefusesEverythingElseNamingTheWholeText) {
    const char* const cases[] = {
        // Nothing to convert.
        "",
        " ",
        "+",
        "-",
        "$",
        "x",
        "X",
        "0x",
        "0X",
        // Something after, between or instead of the digits.
        "12 ",
        "1 2",
        "12a",
        "1.0",
        "1e3",
        "12\n",
        "\t12",
        "- 12",
        "+-1",
        "--1",
        "١٢",
        // Out of the 32-bit signed range.
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        // A prefix takes the place of a sign; it has no sign, blank or prefix after it.
        "-0x10",
        "+$10",
        "-$1",
        "0x-1",
        "0x+1",
        "0x 1",
        "0x0x10",
        "$$1",
        "0xG",
        "x 1",
        // More than 8 significant hexadecimal digits.
        "0x100000000",
        "0x123456789",
        "$FFFFFFFFF",
        // A "0" before a decimal "x" is no prefix.
        "00x10",
    };
    for (const std::string text : cases) {
        EXPECT_EQ(OutcomeOf(StrToInt, text), ConversionErrorOf(text)) << text;
    }
}

TEST(HexFieldToIntTest, ConvertsBareHexDigitsOfAnyLengthWithUpToEightSignificant) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"0", 0},
        {"7ff", 0x7FF},
        {"000007FF", 0x7FF},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"000000001", 1},
        {"00050B2E", 0x00050B2E},
        {"80000000", 0x80000000},
        {"1fffffff", 0x1FFFFFFF},
    };
    for (const auto& [digits, value] : cases) {
        EXPECT_EQ(OutcomeOf(HexFieldToInt, digits), std::to_string(value)) << digits;
    }
}

TEST(HexFieldToIntTest, RefusesAnythingButHexDigitsNamingTheTextWithItsPrefix) {
    const char* const cases[] = {
        "", "123456789", "100000000", " 1", "1 ", "-1", "+1", "0x10", "$10", "x1", "G", "12 34",
    };
    for (const std::string digits : cases) {
        EXPECT_EQ(OutcomeOf(HexFieldToInt, digits), ConversionErrorOf("0x" + digits)) << digits;
    }
}

TEST(ExceptionTest, ConversionErrorIsAnExceptionCarryingItsMessage) {
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), ConversionErrorOf("abc"));
        EXPECT_STREQ(error.what(), ConversionErrorOf("abc").c_str());
    }
}

}  // namespace
}  // namespace platform
