// The 240-byte parameter image: every setting of the device and its identity, exchanged whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <type_traits>

namespace veltrix::protocol {

inline constexpr size_t PARAMETER_IMAGE_SIZE = 240;
inline constexpr size_t FILTER_SLOTS = 16;

// Both orders are part of the format: device words and filter identifiers are stored most
// significant byte first, the 32-bit settings least significant byte first.
enum class ByteOrder { BigEndian, LittleEndian };

// A value of type T (uint8_t, uint16_t or uint32_t) at a fixed offset of the image.
template <typename T>
struct Field {
    static_assert(std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t> ||
                  std::is_same_v<T, uint32_t>);
    size_t offset;
    ByteOrder order = ByteOrder::BigEndian;
};

// `count` values of type T side by side: entry i is at offset + i * sizeof(T).
template <typename T>
struct FieldArray {
    size_t offset;
    size_t count;
    ByteOrder order = ByteOrder::BigEndian;

    // A count read from a device may point past the entries the image holds.
    constexpr Field<T> operator[](size_t i) const {
        if (i >= count) {
            throw std::out_of_range("entry beyond the image's field array");
        }
        return {offset + i * sizeof(T), order};
    }
};

// Every field of the image, by offset. Use as image.Get(field::CANID) or
// image.Set(field::FilterStartID[i], id).
namespace field {
using enum ByteOrder;
inline constexpr Field<uint8_t> Checksum{0};
// Device information: the device fills it, the tool writes zeros.
inline constexpr Field<uint16_t> VendorID{1, BigEndian};
inline constexpr Field<uint16_t> ProductType{3, BigEndian};
inline constexpr FieldArray<uint8_t> InfoReserved{5, 2};
inline constexpr Field<uint16_t> HardwareVersion{7, BigEndian};
inline constexpr Field<uint16_t> FirmwareVersion{9, BigEndian};
inline constexpr FieldArray<uint8_t> SerialNumber{11, 4};
// Direction flags and fixed bytes.
inline constexpr FieldArray<uint8_t> Reserved15{15, 6};
inline constexpr Field<uint8_t> RouteCANToUART{21};
inline constexpr FieldArray<uint8_t> Reserved22{22, 2};
inline constexpr Field<uint8_t> RouteUARTToCAN{24};
inline constexpr FieldArray<uint8_t> Reserved25{25, 7};
inline constexpr Field<uint8_t> FixedOne32{32};
inline constexpr Field<uint8_t> FixedOne33{33};
inline constexpr Field<uint8_t> Reserved34{34};
// The filter section: four parallel arrays, not an array of records.
inline constexpr Field<uint8_t> FilterEnable{35};
inline constexpr FieldArray<uint8_t> FilterPort{36, FILTER_SLOTS};
inline constexpr FieldArray<uint8_t> FilterFrameType{52, FILTER_SLOTS};
inline constexpr FieldArray<uint32_t> FilterStartID{68, FILTER_SLOTS, BigEndian};
inline constexpr FieldArray<uint32_t> FilterEndID{132, FILTER_SLOTS, BigEndian};
inline constexpr Field<uint8_t> FilterCount{196};
// Serial, CAN and conversion settings.
inline constexpr Field<uint8_t> UARTMode{197};
inline constexpr Field<uint8_t> UARTBaudrateIndex{198};
inline constexpr Field<uint8_t> UARTDataBitIndex{199};
inline constexpr Field<uint8_t> UARTStopBitIndex{200};
inline constexpr Field<uint8_t> UARTParityIndex{201};
inline constexpr Field<uint8_t> FDStandard{202};
inline constexpr Field<uint8_t> CANType{203};
inline constexpr Field<uint32_t> CANID{204, LittleEndian};
inline constexpr Field<uint8_t> CANFrameType{208};
inline constexpr Field<uint8_t> BitRateSwitch{209};
inline constexpr Field<uint8_t> BaudrateCustom{210};
inline constexpr Field<uint8_t> BaudrateIndexA{211};
inline constexpr Field<uint8_t> BaudrateIndexB{212};
inline constexpr FieldArray<uint8_t> Reserved213{213, 3};
inline constexpr Field<uint32_t> BaudrateA{216, LittleEndian};
inline constexpr Field<uint32_t> BaudrateB{220, LittleEndian};
inline constexpr Field<uint8_t> SwitchMode{224};
inline constexpr Field<uint8_t> SwitchRoute{225};
inline constexpr Field<uint8_t> CANFrameInfoEnable{226};
inline constexpr Field<uint8_t> CANIDInfoEnable{227};
inline constexpr Field<uint8_t> CANIDOffset{228};
inline constexpr Field<uint8_t> CANIDLen{229};
inline constexpr FieldArray<uint8_t> Reserved230{230, 2};
inline constexpr Field<uint32_t> UARTFrameInterval{232, LittleEndian};
inline constexpr Field<uint32_t> CANFrameInterval{236, LittleEndian};
static_assert(CANFrameInterval.offset + sizeof(uint32_t) == PARAMETER_IMAGE_SIZE);
}  // namespace field

// 240 bytes, all zero when made. Fields and raw bytes alike throw std::out_of_range beyond
// byte 239.
class ParameterImage {
  public:
    template <typename T>
    T Get(Field<T> field) const {
        uint32_t value = 0;
        for (size_t i = 0; i < sizeof(T); ++i) {
            value |= uint32_t{bytes_.at(field.offset + i)} << ShiftOf<T>(field.order, i);
        }
        return static_cast<T>(value);
    }

    template <typename T>
    void Set(Field<T> field, std::type_identity_t<T> value) {
        for (size_t i = 0; i < sizeof(T); ++i) {
            bytes_.at(field.offset + i) =
                static_cast<uint8_t>(uint32_t{value} >> ShiftOf<T>(field.order, i));
        }
    }

    uint8_t operator[](size_t offset) const { return bytes_.at(offset); }
    uint8_t& operator[](size_t offset) { return bytes_.at(offset); }
    const uint8_t* Data() const { return bytes_.data(); }
    uint8_t* Data() { return bytes_.data(); }

    bool operator==(const ParameterImage&) const = default;

  private:
    // Bit position of the i-th byte of a field within its value.
    template <typename T>
    static constexpr size_t ShiftOf(ByteOrder order, size_t i) {
        return 8 * (order == ByteOrder::BigEndian ? sizeof(T) - 1 - i : i);
    }

    std::array<uint8_t, PARAMETER_IMAGE_SIZE> bytes_{};
};

// The 8-bit checksum of bytes 1 to length-1: the sum of their nibbles, inverted. Byte 0 holds it.
uint8_t ParameterChecksum(const uint8_t* image, size_t length);
// True when byte 0 holds the checksum of the rest; false for an empty image.
bool CheckParameterChecksum(const uint8_t* image, size_t length);

}  // namespace veltrix::protocol
