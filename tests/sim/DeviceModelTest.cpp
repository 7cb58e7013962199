// What the simulated device answers and stores, with and without faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "DeviceModel.h"
#include "Requests.h"

namespace veltrix::sim {
namespace {

using namespace protocol;
using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const ParameterImage& image) {
    return {image.Data(), image.Data() + PARAMETER_IMAGE_SIZE};
}

Bytes Concatenated(const std::vector<Transmission>& transmissions) {
    Bytes all;
    for (const Transmission& transmission : transmissions) {
        all.insert(all.end(), transmission.bytes.begin(), transmission.bytes.end());
    }
    return all;
}

// Settings a tool might write: every byte from 15 on differs from the factory's.
ParameterImage WrittenImage() {
    ParameterImage image;
    for (size_t offset = 15; offset < PARAMETER_IMAGE_SIZE; ++offset) {
        image[offset] = static_cast<uint8_t>(~FactoryImage()[offset]);
    }
    image.Set(field::Checksum, ParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    return image;
}

TEST(DeviceModelTest, FactoryImageIsValidForEveryListAndChecksummed) {
    using namespace field;
    const ParameterImage image = FactoryImage();
    EXPECT_TRUE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    const std::pair<Field<uint8_t>, int> lists[] = {
        {SwitchMode, 3},       {SwitchRoute, 3},      {UARTMode, 3},        {UARTBaudrateIndex, 12},
        {UARTDataBitIndex, 2}, {UARTStopBitIndex, 2}, {UARTParityIndex, 3}, {FDStandard, 1},
        {CANType, 2},          {CANFrameType, 2},     {BitRateSwitch, 2},   {BaudrateIndexA, 15},
        {BaudrateIndexB, 15},  {CANIDOffset, 8},
    };
    for (const auto& [list, items] : lists) {
        EXPECT_LT(image.Get(list), items) << "offset " << list.offset;
    }
    EXPECT_GE(image.Get(CANIDLen), 1);
    EXPECT_LE(image.Get(CANIDLen), 4);
    EXPECT_LE(image.Get(CANID), image.Get(CANFrameType) == 0 ? 0x7FFu : 0x1FFFFFFFu);
    ASSERT_LE(image.Get(FilterCount), FILTER_SLOTS);
    for (size_t i = 0; i < image.Get(FilterCount); ++i) {
        EXPECT_LE(image.Get(FilterPort[i]), 3);
        EXPECT_LE(image.Get(FilterFrameType[i]), 1);
        EXPECT_LE(image.Get(FilterStartID[i]), image.Get(FilterEndID[i]));
        EXPECT_LE(image.Get(FilterEndID[i]),
                  image.Get(FilterFrameType[i]) == 0 ? 0x7FFu : 0x1FFFFFFFu);
    }
    EXPECT_NE(image.Get(VendorID), 0);
    EXPECT_NE(image.Get(FirmwareVersion), 0);
}

TEST(DeviceModelTest, KeepsItsChecksumRightFromTheStart) {
    ParameterImage image = FactoryImage();
    image[0] ^= 0x55;
    DeviceModel device(image);
    EXPECT_TRUE(CheckParameterChecksum(device.Image().Data(), PARAMETER_IMAGE_SIZE));
}

struct ReadFaultCase {
    const char* name;
    Faults faults;
    // The transmissions a faultless reply `image` becomes.
    std::function<std::vector<Transmission>(const Bytes& image)> expected;
};

TEST(DeviceModelTest, ReadIsAnsweredWithTheImageAsEachFaultShapesIt) {
    const ReadFaultCase cases[] = {
        {"none",
         {},
         [](const Bytes& image) {
             return std::vector<Transmission>{{0ms, image}};
         }},
        {"short",
         {.shortLength = 100},
         [](const Bytes& image) {
             return std::vector<Transmission>{{0ms, {image.begin(), image.begin() + 100}}};
         }},
        {"wrong checksum",
         {.wrongChecksum = true},
         [](Bytes image) {
             image[0] = static_cast<uint8_t>(~image[0]);
             return std::vector<Transmission>{{0ms, image}};
         }},
        {"late",
         {.lateMs = 700},
         [](const Bytes& image) {
             return std::vector<Transmission>{{700ms, image}};
         }},
        {"late from byte 100",
         {.lateMs = 700, .lateFromByte = 100},
         [](const Bytes& image) {
             return std::vector<Transmission>{{0ms, {image.begin(), image.begin() + 100}},
                                              {700ms, {image.begin() + 100, image.end()}}};
         }},
    };
    for (const ReadFaultCase& readCase : cases) {
        DeviceModel device(FactoryImage());
        device.SetFaults(readCase.faults);
        const auto transmissions = device.Handle(ReadRequest{0, 0}).transmissions;
        const auto expected = readCase.expected(BytesOf(FactoryImage()));
        ASSERT_EQ(transmissions.size(), expected.size()) << readCase.name;
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(transmissions[i].delay, expected[i].delay) << readCase.name;
            EXPECT_EQ(transmissions[i].bytes, expected[i].bytes) << readCase.name;
        }
    }

    DeviceModel device(FactoryImage());
    device.SetFaults({.extraBytes = 30, .strayBytes = 20});
    const Bytes noisy = Concatenated(device.Handle(ReadRequest{0, 0}).transmissions);
    ASSERT_EQ(noisy.size(), 20u + PARAMETER_IMAGE_SIZE + 30u);
    EXPECT_EQ(Bytes(noisy.begin() + 20, noisy.begin() + 260), BytesOf(FactoryImage()));

    device.SetFaults({.insertedBytes = 7, .insertedAt = 50});
    const Bytes split = Concatenated(device.Handle(ReadRequest{0, 0}).transmissions);
    ASSERT_EQ(split.size(), PARAMETER_IMAGE_SIZE + 7u);
    const Bytes image = BytesOf(FactoryImage());
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 50, split.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 50, image.end(), split.begin() + 57));
}

TEST(DeviceModelTest, WriteStoresTheSettingsAndKeepsItsOwnIdentity) {
    DeviceModel device(FactoryImage());
    const ParameterImage written = WrittenImage();
    EXPECT_TRUE(device.Handle(WriteRequest{0, written}).transmissions.empty());

    const ParameterImage& stored = device.Image();
    for (size_t offset = 1; offset < PARAMETER_IMAGE_SIZE; ++offset) {
        EXPECT_EQ(stored[offset], offset < 15 ? FactoryImage()[offset] : written[offset])
            << "offset " << offset;
    }
    EXPECT_TRUE(CheckParameterChecksum(stored.Data(), PARAMETER_IMAGE_SIZE));
    EXPECT_EQ(BytesOf(stored), Concatenated(device.Handle(ReadRequest{0, 0}).transmissions));
}

TEST(DeviceModelTest, WriteFaultsChangeWhatIsStoredOrAnswered) {
    const ParameterImage written = WrittenImage();
    {
        DeviceModel device(FactoryImage());
        device.SetFaults({.ignoreWrites = true});
        device.Handle(WriteRequest{0, written});
        EXPECT_EQ(device.Image(), FactoryImage());
    }
    {
        DeviceModel device(FactoryImage());
        device.SetFaults({.alterOffset = 120});
        device.Handle(WriteRequest{0, written});
        EXPECT_EQ(device.Image()[120], static_cast<uint8_t>(written[120] + 1));
        EXPECT_EQ(device.Image()[119], written[119]);
        EXPECT_EQ(device.Image()[121], written[121]);
        EXPECT_TRUE(CheckParameterChecksum(device.Image().Data(), PARAMETER_IMAGE_SIZE));
    }
    {
        DeviceModel device(FactoryImage());
        device.SetFaults({.newInfoAfterWrite = true});
        const uint16_t firmware = FactoryImage().Get(field::FirmwareVersion);
        device.Handle(WriteRequest{0, written});
        device.Handle(WriteRequest{0, written});
        EXPECT_EQ(device.Image().Get(field::FirmwareVersion), firmware + 2);
        EXPECT_EQ(device.Image()[200], written[200]);
        EXPECT_TRUE(CheckParameterChecksum(device.Image().Data(), PARAMETER_IMAGE_SIZE));
    }
    {
        DeviceModel device(FactoryImage());
        device.SetFaults({.answerWrites = true});
        const auto transmissions = device.Handle(WriteRequest{3, written}).transmissions;
        ASSERT_EQ(transmissions.size(), 1u);
        const auto request = MakeWriteRequest(3, written);
        EXPECT_EQ(transmissions[0].bytes, Bytes(request.begin(), request.end()));
        EXPECT_EQ(device.Image()[200], written[200]);
    }
}

TEST(DeviceModelTest, RejectedWritesAndNoiseChangeNothingAndGetNoAnswer) {
    DeviceModel device(FactoryImage());
    device.SetFaults({.answerWrites = true});
    EXPECT_TRUE(device.Handle(RejectedWrite{0, 0x12, 0x34}).transmissions.empty());
    EXPECT_TRUE(device.Handle(IgnoredBytes{9}).transmissions.empty());
    EXPECT_EQ(device.Image(), FactoryImage());
}

}  // namespace
}  // namespace veltrix::sim
