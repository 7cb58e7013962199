#include "SettingsTransfer.h"

#include "Identifiers.h"
#include "SettingsItems.h"
#include "TextConversions.h"

namespace window::transfer {

namespace {

using namespace veltrix::protocol;
using platform::StrToInt;

constexpr int HEX_DIGITS = 8;

// Route values as the direction list orders them.
constexpr uint8_t BOTH_WAYS = 0;
constexpr uint8_t UART_TO_CAN_ONLY = 1;

// The position a loaded value selects: none when the list has no such item.
template <size_t N>
int PositionOf(int value, const Items<N>& items) {
    return value >= 0 && static_cast<size_t>(value) < items.size() ? value : NO_SELECTION;
}

// The stored byte of a position: its low 8 bits, so no selection gives 0xFF.
uint8_t PositionByte(int position) {
    return static_cast<uint8_t>(position);
}

// What a list shows at `position`: the empty text when it has no selection.
template <size_t N>
std::string TextAt(const Items<N>& items, int position) {
    return PositionOf(position, items) == NO_SELECTION ? std::string()
                                                       : items[static_cast<size_t>(position)];
}

std::string Hex8(uint32_t value) {
    return platform::IntToHex(value, HEX_DIGITS);
}

// Decimal text converts to a signed 32-bit value, kept as its bit pattern.
uint32_t DecimalValue(const std::string& text) {
    return static_cast<uint32_t>(StrToInt(text));
}

void SetDirections(ParameterImage& image) {
    const uint8_t route = image.Get(field::SwitchRoute);
    image.Set(field::RouteCANToUART, route == UART_TO_CAN_ONLY ? 0 : 1);
    image.Set(field::RouteUARTToCAN, route == BOTH_WAYS || route == UART_TO_CAN_ONLY ? 1 : 0);
}

}  // namespace

Settings LoadSettings(const ParameterImage& image, Settings settings) {
    using namespace field;
    settings.switchMode = PositionOf(image.Get(SwitchMode), SWITCH_MODE_ITEMS);
    settings.switchRoute = PositionOf(image.Get(SwitchRoute), SWITCH_ROUTE_ITEMS);
    settings.canIdOffset = PositionOf(image.Get(CANIDOffset), CAN_ID_OFFSET_ITEMS);
    settings.canIdLen = PositionOf(image.Get(CANIDLen) - 1, CAN_ID_LEN_ITEMS);
    settings.uartFrameInterval = platform::IntToStr(image.Get(UARTFrameInterval));
    settings.canFrameInterval = platform::IntToStr(image.Get(CANFrameInterval));
    settings.canFrameInfoEnable = image.Get(CANFrameInfoEnable) != 0;
    settings.canIdInfoEnable = image.Get(CANIDInfoEnable) != 0;
    settings.uartMode = PositionOf(image.Get(UARTMode), UART_MODE_ITEMS);
    settings.uartBaudrateIndex = PositionOf(image.Get(UARTBaudrateIndex), UART_BAUDRATE_ITEMS);
    settings.uartDataBitIndex = PositionOf(image.Get(UARTDataBitIndex), UART_DATA_BIT_ITEMS);
    settings.uartStopBitIndex = PositionOf(image.Get(UARTStopBitIndex), UART_STOP_BIT_ITEMS);
    settings.uartParityIndex = PositionOf(image.Get(UARTParityIndex), UART_PARITY_ITEMS);
    settings.fdStandard = PositionOf(image.Get(FDStandard), FD_STANDARD_ITEMS);
    settings.canType = PositionOf(image.Get(CANType), CAN_TYPE_ITEMS);
    settings.canId = Hex8(image.Get(CANID));
    settings.canFrameType = PositionOf(image.Get(CANFrameType), CAN_FRAME_TYPE_ITEMS);
    settings.bitRateSwitch = PositionOf(image.Get(BitRateSwitch), BIT_RATE_SWITCH_ITEMS);
    settings.baudrateCustom = image.Get(BaudrateCustom) != 0;
    if (settings.baudrateCustom) {
        settings.baudrateA = Hex8(image.Get(BaudrateA));
        settings.baudrateB = Hex8(image.Get(BaudrateB));
    } else {
        settings.baudrateIndexA = PositionOf(image.Get(BaudrateIndexA), BAUDRATE_A_ITEMS);
        settings.baudrateIndexB = PositionOf(image.Get(BaudrateIndexB), BAUDRATE_B_ITEMS);
    }
    return settings;
}

ParameterImage BuildSettingsImage(const Settings& settings) {
    using namespace field;
    ParameterImage image;
    image.Set(SwitchMode, PositionByte(settings.switchMode));
    image.Set(SwitchRoute, PositionByte(settings.switchRoute));
    image.Set(CANIDOffset,
              static_cast<uint8_t>(StrToInt(TextAt(CAN_ID_OFFSET_ITEMS, settings.canIdOffset))));
    image.Set(CANIDLen,
              static_cast<uint8_t>(StrToInt(TextAt(CAN_ID_LEN_ITEMS, settings.canIdLen))));
    image.Set(UARTFrameInterval, DecimalValue(settings.uartFrameInterval));
    image.Set(CANFrameInterval, DecimalValue(settings.canFrameInterval));
    image.Set(CANFrameInfoEnable, settings.canFrameInfoEnable ? 1 : 0);
    image.Set(CANIDInfoEnable, settings.canIdInfoEnable ? 1 : 0);
    image.Set(UARTMode, PositionByte(settings.uartMode));
    image.Set(UARTBaudrateIndex, PositionByte(settings.uartBaudrateIndex));
    image.Set(UARTDataBitIndex, PositionByte(settings.uartDataBitIndex));
    image.Set(UARTStopBitIndex, PositionByte(settings.uartStopBitIndex));
    image.Set(UARTParityIndex, PositionByte(settings.uartParityIndex));
    image.Set(FDStandard, PositionByte(settings.fdStandard));
    image.Set(CANType, PositionByte(settings.canType));
    image.Set(CANID,
              platform::HexFieldToInt(settings.canId) & IdentifierMask(settings.canFrameType));
    image.Set(CANFrameType, PositionByte(settings.canFrameType));
    image.Set(BitRateSwitch, PositionByte(settings.bitRateSwitch));
    if (settings.baudrateCustom) {
        image.Set(BaudrateCustom, 1);
        image.Set(BaudrateA, platform::HexFieldToInt(settings.baudrateA));
        image.Set(BaudrateB, platform::HexFieldToInt(settings.baudrateB));
    } else {
        image.Set(BaudrateIndexA, PositionByte(settings.baudrateIndexA));
        image.Set(BaudrateIndexB, PositionByte(settings.baudrateIndexB));
    }
    image.Set(FixedOne32, 1);
    image.Set(FixedOne33, 1);
    SetDirections(image);
    return image;
}

}  // namespace window::transfer
