// The window's loader on any image a device might send, and the builder on what it loaded. The
// load never throws; every list shows an item or none; numbers show as texts that convert back to
// the bytes; the warning comes exactly when the count exceeds the 16 slots. Writing the loaded
// values back either stops at a text that cannot convert (a list without selection, an interval
// above the signed range) or gives the loaded settings and filters byte for byte, changed only
// where the tool means to: positions beyond a list become 0xFF, tick bytes 1, the CAN ID masked to
// its frame type, ports beyond 3 port 0, and the count at most 16.
//
// Input: a 240-byte image; shorter inputs are skipped, bytes beyond the 240th ignored.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "BasicInfo.h"
#include "Exception.h"
#include "FilterList.h"
#include "FuzzTarget.h"
#include "SettingsItems.h"
#include "SettingsTransfer.h"
#include "TextConversions.h"

namespace {

using namespace veltrix::protocol;
using namespace window::transfer;
using veltrix::fuzz::Require;

constexpr uint8_t kNoSelectionByte = 0xFF;
constexpr unsigned kHighestPort = 3;  // ports 0 to 3 have captions

// A list whose position is its field's byte.
struct ListField {
    Field<uint8_t> field;
    int Settings::*position;
    size_t items;
};
constexpr ListField kLists[] = {
    {field::SwitchMode, &Settings::switchMode, SWITCH_MODE_ITEMS.size()},
    {field::SwitchRoute, &Settings::switchRoute, SWITCH_ROUTE_ITEMS.size()},
    {field::UARTMode, &Settings::uartMode, UART_MODE_ITEMS.size()},
    {field::UARTBaudrateIndex, &Settings::uartBaudrateIndex, UART_BAUDRATE_ITEMS.size()},
    {field::UARTDataBitIndex, &Settings::uartDataBitIndex, UART_DATA_BIT_ITEMS.size()},
    {field::UARTStopBitIndex, &Settings::uartStopBitIndex, UART_STOP_BIT_ITEMS.size()},
    {field::UARTParityIndex, &Settings::uartParityIndex, UART_PARITY_ITEMS.size()},
    {field::FDStandard, &Settings::fdStandard, FD_STANDARD_ITEMS.size()},
    {field::CANType, &Settings::canType, CAN_TYPE_ITEMS.size()},
    {field::CANFrameType, &Settings::canFrameType, CAN_FRAME_TYPE_ITEMS.size()},
    {field::BitRateSwitch, &Settings::bitRateSwitch, BIT_RATE_SWITCH_ITEMS.size()},
};
// Loaded only when the image does not choose custom bit timing.
constexpr ListField kStandardBitRates[] = {
    {field::BaudrateIndexA, &Settings::baudrateIndexA, BAUDRATE_A_ITEMS.size()},
    {field::BaudrateIndexB, &Settings::baudrateIndexB, BAUDRATE_B_ITEMS.size()},
};

bool InList(int position, size_t items) {
    return position == NO_SELECTION || (position >= 0 && static_cast<size_t>(position) < items);
}

bool IsUpperHex(std::string_view text, size_t digits) {
    return text.size() == digits && text.find_first_not_of("0123456789ABCDEF") == text.npos;
}

// Decimal digits without a leading zero, and their unsigned value.
bool IsDecimalOf(const std::string& text, uint32_t value) {
    uint32_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    return error == std::errc() && end == text.data() + text.size() &&
           (text == "0" || !text.starts_with('0')) && parsed == value;
}

// The tool's own conversion takes a decimal text exactly when it is within the signed range.
void RequireDecimalConverts(const std::string& text, uint32_t value) {
    Require(IsDecimalOf(text, value), "a decimal text shows its field's unsigned value");
    try {
        Require(static_cast<uint32_t>(platform::StrToInt(text)) == value,
                "a decimal text converts back to its field");
        Require(value <= INT32_MAX, "a decimal text above the signed range does not convert");
    } catch (const platform::EConvertError&) {
        Require(value > INT32_MAX, "a decimal text within the signed range converts");
    }
}

void RequireHexConverts(const std::string& text, uint32_t value) {
    Require(IsUpperHex(text, 8), "a hexadecimal text is 8 upper-case digits");
    Require(platform::HexFieldToInt(text) == value,
            "a hexadecimal text converts back to its field");
}

// The image's own bytes, nothing more or less; the unused bit-rate controls keep what they had.
void CheckSettings(const ParameterImage& image, const Settings& before, const Settings& loaded) {
    for (const ListField& list : kLists) {
        Require(InList(loaded.*list.position, list.items), "a position is in its list or none");
    }
    Require(InList(loaded.canIdOffset, CAN_ID_OFFSET_ITEMS.size()) &&
                InList(loaded.canIdLen, CAN_ID_LEN_ITEMS.size()),
            "an identifier position is in its list or none");
    RequireDecimalConverts(loaded.uartFrameInterval, image.Get(field::UARTFrameInterval));
    RequireDecimalConverts(loaded.canFrameInterval, image.Get(field::CANFrameInterval));
    RequireHexConverts(loaded.canId, image.Get(field::CANID));
    Require(loaded.baudrateCustom == (image.Get(field::BaudrateCustom) != 0),
            "custom bit timing as the image chooses");
    if (loaded.baudrateCustom) {
        RequireHexConverts(loaded.baudrateA, image.Get(field::BaudrateA));
        RequireHexConverts(loaded.baudrateB, image.Get(field::BaudrateB));
        Require(loaded.baudrateIndexA == before.baudrateIndexA &&
                    loaded.baudrateIndexB == before.baudrateIndexB,
                "custom bit timing leaves the standard lists alone");
    } else {
        for (const ListField& list : kStandardBitRates) {
            Require(InList(loaded.*list.position, list.items), "a position is in its list or none");
        }
        Require(loaded.baudrateA == before.baudrateA && loaded.baudrateB == before.baudrateB,
                "standard bit rates leave the custom edits alone");
    }
}

void CheckFilters(const ParameterImage& image, const FilterList& filters) {
    const unsigned stated = image.Get(field::FilterCount);
    Require(filters.entries.size() <= FILTER_SLOTS, "never more rows than slots");
    Require(filters.entries.size() == std::min<size_t>(stated, FILTER_SLOTS),
            "as many rows as the image states, up to the slots");
    Require(FilterCountWarning(image).has_value() == (stated > FILTER_SLOTS),
            "a warning exactly when the count exceeds the slots");
    Require(filters.enabled == (image.Get(field::FilterEnable) != 0), "filter enable as stored");
    for (size_t i = 0; i < filters.entries.size(); ++i) {
        const FilterEntry& entry = filters.entries[i];
        const unsigned port = image.Get(field::FilterPort[i]);
        Require(entry.port == (port <= kHighestPort ? "CAN" + std::to_string(port) : ""),
                "ports 0 to 3 show as CAN0 to CAN3, others without caption");
        Require(entry.frameType ==
                    FILTER_FRAME_TYPE_ITEMS[image.Get(field::FilterFrameType[i]) == 0 ? 0 : 1],
                "frame type 0 is standard, any other extended");
        for (const auto& [text, id] : {std::pair{entry.startId, field::FilterStartID[i]},
                                       std::pair{entry.endId, field::FilterEndID[i]}}) {
            Require(text.starts_with("0x") && IsUpperHex(std::string_view(text).substr(2), 8),
                    "an identifier shows as 0x and 8 upper-case digits");
            Require(static_cast<uint32_t>(platform::StrToInt(text)) == image.Get(id),
                    "an identifier converts back to its field");
        }
    }
}

void CheckBasicInfo(const ParameterImage& image) {
    const auto info = BasicInfoDescriptions(image);
    Require(info[0].starts_with("0x") && IsUpperHex(std::string_view(info[0]).substr(2), 4) &&
                platform::StrToInt(info[0]) == image.Get(field::VendorID),
            "vendor ID as 0x and 4 digits");
    Require(info[1].size() == 11 && IsUpperHex(std::string_view(info[1]).substr(0, 4), 4) &&
                info[1].ends_with(" Series") &&
                platform::HexFieldToInt(info[1].substr(0, 4)) == image.Get(field::ProductType),
            "product type as 4 digits and \" Series\"");
    Require(info[2] == "Veltrix-7A", "the product code is the model's");
    Require(IsDecimalOf(info[3], image.Get(field::HardwareVersion)) &&
                IsDecimalOf(info[4], image.Get(field::FirmwareVersion)),
            "versions in decimal");
    Require(info[5].size() == 11, "serial number as four 2-digit groups");
    for (size_t i = 0; i < field::SerialNumber.count; ++i) {
        const std::string group = info[5].substr(3 * i, 2);
        Require(IsUpperHex(group, 2) &&
                    platform::HexFieldToInt(group) == image.Get(field::SerialNumber[i]) &&
                    (i == 0 || info[5][3 * i - 1] == '-'),
                "serial number bytes in order, joined by -");
    }
}

// Whether writing the loaded settings back must stop at a text: a list without a selection
// gives an empty text, an interval above the signed range does not convert.
bool BuildMustFail(const ParameterImage& image) {
    const unsigned idLen = image.Get(field::CANIDLen);
    return image.Get(field::CANIDOffset) >= CAN_ID_OFFSET_ITEMS.size() || idLen == 0 ||
           idLen > CAN_ID_LEN_ITEMS.size() || image.Get(field::UARTFrameInterval) > INT32_MAX ||
           image.Get(field::CANFrameInterval) > INT32_MAX;
}

uint8_t AsPosition(uint8_t byte, size_t items) {
    return byte < items ? byte : kNoSelectionByte;
}

uint8_t AsTick(uint8_t byte) {
    return byte != 0 ? 1 : 0;
}

// Bytes 197 to 239 and the fixed and direction bytes of a build from what `image` loaded.
void CheckBuiltSettings(const ParameterImage& image, const ParameterImage& built) {
    for (const ListField& list : kLists) {
        Require(built.Get(list.field) == AsPosition(image.Get(list.field), list.items),
                "a list writes back its byte, or 0xFF beyond its items");
    }
    for (const auto same : {field::CANIDOffset, field::CANIDLen}) {
        Require(built.Get(same) == image.Get(same), "identifier position and length write back");
    }
    for (const auto same : {field::UARTFrameInterval, field::CANFrameInterval}) {
        Require(built.Get(same) == image.Get(same), "intervals write back");
    }
    for (const auto tick :
         {field::CANFrameInfoEnable, field::CANIDInfoEnable, field::BaudrateCustom}) {
        Require(built.Get(tick) == AsTick(image.Get(tick)), "a tick box writes back 0 or 1");
    }
    const uint32_t idMask = image.Get(field::CANFrameType) == 0 ? 0x7FF : 0x1FFFFFFF;
    Require(built.Get(field::CANID) == (image.Get(field::CANID) & idMask),
            "the CAN ID writes back masked to 11 bits for a standard frame, else to 29");
    const bool custom = image.Get(field::BaudrateCustom) != 0;
    for (const ListField& list : kStandardBitRates) {
        Require(
            built.Get(list.field) == (custom ? 0 : AsPosition(image.Get(list.field), list.items)),
            "standard bit rates write back unless custom");
    }
    for (const auto word : {field::BaudrateA, field::BaudrateB}) {
        Require(built.Get(word) == (custom ? image.Get(word) : 0),
                "custom bit timing writes back when custom");
    }
    for (const auto reserved : {field::Reserved213, field::Reserved230}) {
        for (size_t i = 0; i < reserved.count; ++i) {
            Require(built.Get(reserved[i]) == 0, "reserved settings bytes write as 0");
        }
    }
}

// Bytes 1 to 34: device information and reserved bytes 0, the fixed bytes 1, and the direction
// bytes from the route that was written.
void CheckBuiltHeader(const ParameterImage& built) {
    const uint8_t route = built.Get(field::SwitchRoute);
    for (size_t offset = 1; offset < field::FilterEnable.offset; ++offset) {
        uint8_t expected = 0;
        if (offset == field::FixedOne32.offset || offset == field::FixedOne33.offset) {
            expected = 1;
        } else if (offset == field::RouteCANToUART.offset) {
            expected = route == 1 ? 0 : 1;
        } else if (offset == field::RouteUARTToCAN.offset) {
            expected = route <= 1 ? 1 : 0;
        }
        Require(built[offset] == expected, "bytes 1 to 34 are zero, fixed or the directions");
    }
}

// The filter section of a build from what `image` loaded.
void CheckBuiltFilters(const ParameterImage& image, const ParameterImage& built) {
    Require(built.Get(field::FilterEnable) == AsTick(image.Get(field::FilterEnable)),
            "filter enable writes back 0 or 1");
    const size_t rows = std::min<size_t>(image.Get(field::FilterCount), FILTER_SLOTS);
    Require(built.Get(field::FilterCount) == rows, "the count writes back, at most the slots");
    for (size_t i = 0; i < FILTER_SLOTS; ++i) {
        if (i >= rows) {
            Require(built.Get(field::FilterPort[i]) == 0 &&
                        built.Get(field::FilterFrameType[i]) == 0 &&
                        built.Get(field::FilterStartID[i]) == 0 &&
                        built.Get(field::FilterEndID[i]) == 0,
                    "slots beyond the rows write as 0");
            continue;
        }
        const uint8_t port = image.Get(field::FilterPort[i]);
        Require(built.Get(field::FilterPort[i]) == (port <= kHighestPort ? port : 0),
                "ports 0 to 3 write back, others as 0");
        Require(
            built.Get(field::FilterFrameType[i]) == AsTick(image.Get(field::FilterFrameType[i])),
            "frame types write back 0 or 1");
        Require(built.Get(field::FilterStartID[i]) == image.Get(field::FilterStartID[i]) &&
                    built.Get(field::FilterEndID[i]) == image.Get(field::FilterEndID[i]),
                "identifiers write back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < PARAMETER_IMAGE_SIZE) {
        return 0;
    }
    ParameterImage image;
    std::memcpy(image.Data(), data, PARAMETER_IMAGE_SIZE);

    const Settings before;
    const Settings loaded = LoadSettings(image, before);
    const FilterList filters = LoadFilterList(image);
    CheckSettings(image, before, loaded);
    CheckFilters(image, filters);
    CheckBasicInfo(image);

    ParameterImage built;
    try {
        built = BuildSettingsImage(loaded);
    } catch (const platform::EConvertError&) {
        Require(BuildMustFail(image), "only a list without selection or a big interval fails");
        return 0;
    }
    Require(!BuildMustFail(image), "a list without selection or a big interval fails the build");
    StoreFilterList(filters, built);
    CheckBuiltSettings(image, built);
    CheckBuiltFilters(image, built);
    CheckBuiltHeader(built);
    return 0;
}
