// The device information rows: what each shows of the device's identity.
#include <gtest/gtest.h>

#include "BasicInfo.h"

namespace window::transfer {
namespace {

using veltrix::protocol::ParameterImage;

TEST(BasicInfoTest, EachRowShowsItsFieldInItsFormat) {
    ParameterImage image;
    const uint8_t identity[] = {0x1A, 0x2B, 0x01, 0x00, 0xEE, 0xEE, 0x01,
                                0x02, 0xFF, 0xFF, 0x01, 0x23, 0xAB, 0xCD};
    for (size_t offset = 1; offset <= sizeof identity; ++offset) {
        image[offset] = identity[offset - 1];
    }
    const std::array<std::string, 6> expected = {"0x1A2B", "0100 Series", "Veltrix-7A",
                                                 "258",    "65535",       "01-23-AB-CD"};
    EXPECT_EQ(BasicInfoDescriptions(image), expected);
}

TEST(BasicInfoTest, AnAllZeroIdentityKeepsEveryDigitAndTheProductCode) {
    const std::array<std::string, 6> expected = {"0x0000", "0000 Series", "Veltrix-7A",
                                                 "0",      "0",           "00-00-00-00"};
    EXPECT_EQ(BasicInfoDescriptions(ParameterImage{}), expected);
}

}  // namespace
}  // namespace window::transfer
