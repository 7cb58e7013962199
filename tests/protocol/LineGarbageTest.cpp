// Garbage on the line before, inside and after the device's replies. A read takes the first 240
// bytes after its request: it gives them as the image only when they form a valid reply, which
// garbage inside them almost never does; otherwise it fails. Nothing else reaches the image.
#include <algorithm>
#include <random>

#include "TransactionFixture.h"

namespace veltrix::protocol {
namespace {

using LineGarbageTest = TransactionFixture;

struct Garbage {
    size_t before;
    size_t inside;
    size_t insideAt;  // after this many bytes of the image
    size_t after;
};

std::string Describe(const Garbage& garbage) {
    return std::to_string(garbage.before) + " bytes before, " + std::to_string(garbage.inside) +
           " inside after byte " + std::to_string(garbage.insideAt) + ", " +
           std::to_string(garbage.after) + " after";
}

sim::Faults FaultsOf(const Garbage& garbage) {
    return {.extraBytes = garbage.after,
            .strayBytes = garbage.before,
            .insertedBytes = garbage.inside,
            .insertedAt = garbage.insideAt};
}

// The first 240 bytes the device sends after a read request (fewer if it sends fewer).
std::vector<uint8_t> FirstBytesOfTheReply(const ParameterImage& deviceImage,
                                          const sim::Faults& faults) {
    sim::DeviceModel model(deviceImage);
    model.SetFaults(faults);
    std::vector<uint8_t> sent;
    for (const auto& piece : model.Handle(sim::ReadRequest{0, 0}).transmissions) {
        sent.insert(sent.end(), piece.bytes.begin(), piece.bytes.end());
    }
    sent.resize(std::min(sent.size(), PARAMETER_IMAGE_SIZE));
    return sent;
}

std::vector<Garbage> GarbageCases() {
    std::vector<Garbage> cases = {
        {0, 0, 0, 0}, {0, 0, 0, 40},  {0, 9, 240, 0}, {1, 0, 0, 0},
        {0, 1, 0, 0}, {0, 1, 239, 0}, {0, 3, 120, 0}, {2, 5, 60, 17},
    };
    // A fixed seed: every run tries the same mixtures.
    std::mt19937 random(0x5EED);
    for (int i = 0; i < 12; ++i) {
        cases.push_back({random() % 4, random() % 24, random() % 241, random() % 64});
    }
    return cases;
}

TEST_F(LineGarbageTest, ReadGivesTheBytesAfterItsRequestOnlyWhenTheyFormAValidReply) {
    StartDevice({}, true);
    const ParameterImage deviceImage = device_->Image();
    for (const Garbage& garbage : GarbageCases()) {
        device_->SetFaults(FaultsOf(garbage));
        const std::vector<uint8_t> first = FirstBytesOfTheReply(deviceImage, FaultsOf(garbage));
        const bool valid = first.size() == PARAMETER_IMAGE_SIZE &&
                           CheckParameterChecksum(first.data(), PARAMETER_IMAGE_SIZE);

        ParameterImage image;
        const bool read = ReadDeviceParameter(view_, 0, image);
        EXPECT_EQ(read, valid) << Describe(garbage);
        if (read) {
            EXPECT_TRUE(std::equal(first.begin(), first.end(), image.Data())) << Describe(garbage);
        }
        const bool untouched = garbage.before == 0 &&
                               (garbage.inside == 0 || garbage.insideAt >= PARAMETER_IMAGE_SIZE);
        if (untouched) {
            EXPECT_EQ(image, deviceImage)
                << "garbage after the image changes nothing: " << Describe(garbage);
        }
    }

    device_->SetFaults({});
    ParameterImage image;
    EXPECT_TRUE(ReadDeviceParameter(view_, 0, image)) << "leftover garbage spoils no later read";
    EXPECT_EQ(image, deviceImage);
}

TEST_F(LineGarbageTest, VerifyingReadAmongGarbageFailsTheWriteWithItsBox) {
    StartDevice({.insertedBytes = 2, .insertedAt = 30}, true);
    ParameterImage image = SettingsToWrite();
    WriteDeviceParameter(view_, 0, image);
    EXPECT_EQ(view_.Calls(), kWaitForDevice + kWaitForDevice + Calls{kFailedBox});
}

}  // namespace
}  // namespace veltrix::protocol
