// The image's layout, both byte orders, and the checksum.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ParameterImage.h"

namespace veltrix::protocol {
namespace {

using namespace field;

struct Extent {
    const char* name;
    size_t offset;
    size_t size;
};

template <typename T>
Extent ExtentOf(const char* name, Field<T> field) {
    return {name, field.offset, sizeof(T)};
}

template <typename T>
Extent ExtentOf(const char* name, FieldArray<T> array) {
    return {name, array.offset, array.count * sizeof(T)};
}

#define EXTENT(field) ExtentOf(#field, field)

TEST(ParameterImageTest, FieldsCoverEveryByteOnceInTheOrderOfTheLayout) {
    const std::vector<Extent> layout = {
        EXTENT(Checksum),
        EXTENT(VendorID),
        EXTENT(ProductType),
        EXTENT(InfoReserved),
        EXTENT(HardwareVersion),
        EXTENT(FirmwareVersion),
        EXTENT(SerialNumber),
        EXTENT(Reserved15),
        EXTENT(RouteCANToUART),
        EXTENT(Reserved22),
        EXTENT(RouteUARTToCAN),
        EXTENT(Reserved25),
        EXTENT(FixedOne32),
        EXTENT(FixedOne33),
        EXTENT(Reserved34),
        EXTENT(FilterEnable),
        EXTENT(FilterPort),
        EXTENT(FilterFrameType),
        EXTENT(FilterStartID),
        EXTENT(FilterEndID),
        EXTENT(FilterCount),
        EXTENT(UARTMode),
        EXTENT(UARTBaudrateIndex),
        EXTENT(UARTDataBitIndex),
        EXTENT(UARTStopBitIndex),
        EXTENT(UARTParityIndex),
        EXTENT(FDStandard),
        EXTENT(CANType),
        EXTENT(CANID),
        EXTENT(CANFrameType),
        EXTENT(BitRateSwitch),
        EXTENT(BaudrateCustom),
        EXTENT(BaudrateIndexA),
        EXTENT(BaudrateIndexB),
        EXTENT(Reserved213),
        EXTENT(BaudrateA),
        EXTENT(BaudrateB),
        EXTENT(SwitchMode),
        EXTENT(SwitchRoute),
        EXTENT(CANFrameInfoEnable),
        EXTENT(CANIDInfoEnable),
        EXTENT(CANIDOffset),
        EXTENT(CANIDLen),
        EXTENT(Reserved230),
        EXTENT(UARTFrameInterval),
        EXTENT(CANFrameInterval),
    };
    size_t next = 0;
    for (const Extent& extent : layout) {
        EXPECT_EQ(extent.offset, next) << extent.name;
        next = extent.offset + extent.size;
    }
    EXPECT_EQ(next, PARAMETER_IMAGE_SIZE);
}

struct Encoding {
    const char* name;
    std::function<void(ParameterImage&)> set;
    std::function<uint32_t(const ParameterImage&)> get;
    uint32_t value;
    size_t offset;
    std::vector<uint8_t> bytes;
};

template <typename T>
Encoding EncodingOf(const char* name, Field<T> field, uint32_t value, size_t offset,
                    std::vector<uint8_t> bytes) {
    return {name,
            [=](ParameterImage& image) { image.Set(field, static_cast<T>(value)); },
            [=](const ParameterImage& image) { return image.Get(field); },
            value,
            offset,
            std::move(bytes)};
}

TEST(ParameterImageTest, EachFieldIsStoredAtItsOffsetInItsByteOrder) {
    const Encoding encodings[] = {
        EncodingOf("VendorID", VendorID, 0x1A2B, 1, {0x1A, 0x2B}),
        EncodingOf("ProductType", ProductType, 0x0100, 3, {0x01, 0x00}),
        EncodingOf("HardwareVersion", HardwareVersion, 258, 7, {0x01, 0x02}),
        EncodingOf("FirmwareVersion", FirmwareVersion, 0xBEEF, 9, {0xBE, 0xEF}),
        EncodingOf("SerialNumber[3]", SerialNumber[3], 0xCD, 14, {0xCD}),
        EncodingOf("FilterPort[15]", FilterPort[15], 3, 51, {0x03}),
        EncodingOf("FilterFrameType[1]", FilterFrameType[1], 1, 53, {0x01}),
        EncodingOf("FilterStartID[0]", FilterStartID[0], 0x123, 68, {0x00, 0x00, 0x01, 0x23}),
        EncodingOf("FilterStartID[15]", FilterStartID[15], 0x1FFFFFFF, 128,
                   {0x1F, 0xFF, 0xFF, 0xFF}),
        EncodingOf("FilterEndID[1]", FilterEndID[1], 0x18FF00FE, 136, {0x18, 0xFF, 0x00, 0xFE}),
        EncodingOf("FilterCount", FilterCount, 16, 196, {0x10}),
        EncodingOf("CANID", CANID, 0x123, 204, {0x23, 0x01, 0x00, 0x00}),
        EncodingOf("BaudrateA", BaudrateA, 0x00050B2E, 216, {0x2E, 0x0B, 0x05, 0x00}),
        EncodingOf("BaudrateB", BaudrateB, 0x00008207, 220, {0x07, 0x82, 0x00, 0x00}),
        EncodingOf("CANIDLen", CANIDLen, 4, 229, {0x04}),
        EncodingOf("UARTFrameInterval", UARTFrameInterval, 0xFFFFFFFF, 232,
                   {0xFF, 0xFF, 0xFF, 0xFF}),
        EncodingOf("CANFrameInterval", CANFrameInterval, 0x12345678, 236, {0x78, 0x56, 0x34, 0x12}),
    };
    for (const Encoding& encoding : encodings) {
        ParameterImage image;
        encoding.set(image);
        ParameterImage expected;
        for (size_t i = 0; i < encoding.bytes.size(); ++i) {
            expected[encoding.offset + i] = encoding.bytes[i];
        }
        EXPECT_EQ(image, expected) << encoding.name << " touches other bytes or the wrong ones";
        EXPECT_EQ(encoding.get(image), encoding.value) << encoding.name;
    }
}

TEST(ParameterImageTest, NothingBeyondTheImageCanBeReached) {
    ParameterImage image;
    EXPECT_THROW(FilterStartID[FILTER_SLOTS], std::out_of_range);
    EXPECT_THROW(FilterPort[FILTER_SLOTS], std::out_of_range);
    EXPECT_THROW(image[PARAMETER_IMAGE_SIZE], std::out_of_range);
    EXPECT_THROW(image.Get(Field<uint32_t>{PARAMETER_IMAGE_SIZE - 3}), std::out_of_range);
    EXPECT_THROW(image.Set(Field<uint16_t>{PARAMETER_IMAGE_SIZE - 1}, 0), std::out_of_range);
}

struct ChecksumCase {
    const char* name;
    std::vector<std::pair<size_t, uint8_t>> bytes;  // all others 0
    uint8_t checksum;
};

ParameterImage ImageWith(const std::vector<std::pair<size_t, uint8_t>>& bytes) {
    ParameterImage image;
    for (const auto& [offset, value] : bytes) {
        image[offset] = value;
    }
    return image;
}

TEST(ParameterImageTest, ChecksumIsTheInvertedSumOfTheNibblesOfBytes1To239) {
    std::vector<std::pair<size_t, uint8_t>> allFF;
    for (size_t offset = 1; offset < PARAMETER_IMAGE_SIZE; ++offset) {
        allFF.emplace_back(offset, 0xFF);
    }
    const ChecksumCase cases[] = {
        {"all zero", {}, 0xFF},
        {"0x12 0x34", {{1, 0x12}, {2, 0x34}}, 0xF5},
        {"all 0xFF", allFF, 0xFD},
        {"byte 0 is not summed", {{0, 0x77}}, 0xFF},
        {"last byte is summed", {{239, 0x21}}, 0xFC},
    };
    for (const ChecksumCase& checksumCase : cases) {
        ParameterImage image = ImageWith(checksumCase.bytes);
        EXPECT_EQ(ParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE), checksumCase.checksum)
            << checksumCase.name;
        image[0] = checksumCase.checksum;
        EXPECT_TRUE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE))
            << checksumCase.name;
    }
}

TEST(ParameterImageTest, ZeroImageFailsTheCheckAndNibbleSwapsGoUnnoticed) {
    ParameterImage image;
    EXPECT_FALSE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    EXPECT_FALSE(CheckParameterChecksum(image.Data(), 0));

    image = ImageWith({{0, 0xF5}, {1, 0x12}, {2, 0x34}});
    ASSERT_TRUE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    image[1] = 0x21;
    EXPECT_TRUE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    image[2] = 0x35;
    EXPECT_FALSE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
}

}  // namespace
}  // namespace veltrix::protocol
