// Both transactions through the real channel layer, over a pseudo-terminal, against the
// simulated device and its faults.
#include "DeviceIo.h"
#include "Requests.h"
#include "TransactionFixture.h"

namespace veltrix::protocol {
namespace {

using namespace std::chrono_literals;
using sim::Faults;
using sim::ParsedItem;
using sim::ReadRequest;
using sim::WriteRequest;
using TransactionTest = TransactionFixture;

TEST_F(TransactionTest, GoodReadTakesTheImageWhileTheButtonsAreDisabled) {
    StartDevice({}, true);
    ParameterImage image;
    ASSERT_TRUE(ReadDeviceParameter(view_, 0, image));
    EXPECT_EQ(image, device_->Image());
    EXPECT_EQ(image, sim::FactoryImage());
    ASSERT_EQ(view_.Calls(), kWaitForDevice);
    EXPECT_GE(view_.Between(2, 3), std::chrono::milliseconds(READ_WAIT_MS));
    EXPECT_EQ(device_->Received(), std::vector<ParsedItem>{(ReadRequest{0, READ_REQUEST_FILLER})});
}

TEST_F(TransactionTest, PageIndexTravelsAsTheThirdByteOfEveryRequest) {
    StartDevice();
    ParameterImage image;
    EXPECT_TRUE(ReadDeviceParameter(view_, 200, image));
    ParameterImage written = SettingsToWrite();
    WriteDeviceParameter(view_, 7, written);
    EXPECT_EQ(view_.Calls().back(), kSucceeded);
    EXPECT_EQ(device_->Received(), (std::vector<ParsedItem>{ReadRequest{200, READ_REQUEST_FILLER},
                                                            WriteRequest{7, written},
                                                            ReadRequest{7, READ_REQUEST_FILLER}}));
}

TEST_F(TransactionTest, LateReplyFailsTheReadAndTheBytesThatArrivedAreLost) {
    StartDevice({.lateMs = 1500, .lateFromByte = 100});
    ParameterImage image;
    image[50] = 0x55;
    EXPECT_FALSE(ReadDeviceParameter(view_, 0, image));
    EXPECT_EQ(image, ParameterImage{}) << "a failed read leaves an all-zero image";
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 0u) << "the 100 bytes in time were taken";
    EXPECT_EQ(view_.Calls(), kWaitForDevice);

    // The rest turns up later and must not spoil the next read.
    ASSERT_TRUE(test::WaitUntilReceived(kChannel, PARAMETER_IMAGE_SIZE - 100));
    device_->SetFaults({});
    EXPECT_TRUE(ReadDeviceParameter(view_, 0, image));
    EXPECT_EQ(image, device_->Image());
}

TEST_F(TransactionTest, LongerReplyGivesTheFirst240BytesAndLeavesTheRest) {
    StartDevice({.extraBytes = 30});
    ParameterImage image;
    EXPECT_TRUE(ReadDeviceParameter(view_, 0, image));
    EXPECT_EQ(image, device_->Image());
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 30u);
}

TEST_F(TransactionTest, StrayBytesBeforeTheRequestNeverReachTheImage) {
    StartDevice();
    // The most misleading noise there is: a whole image with a right checksum.
    ParameterImage other = SettingsToWrite();
    other.Set(field::Checksum, ParameterChecksum(other.Data(), PARAMETER_IMAGE_SIZE));
    device_->SendOfItsOwn({other.Data(), PARAMETER_IMAGE_SIZE});
    ASSERT_TRUE(test::WaitUntilReceived(kChannel, PARAMETER_IMAGE_SIZE));

    ParameterImage image;
    EXPECT_TRUE(ReadDeviceParameter(view_, 0, image));
    EXPECT_EQ(image, device_->Image());
}

TEST_F(TransactionTest, ShortReplyWrongChecksumOrNoiseAheadOfTheReplyFailTheRead) {
    const std::pair<const char*, Faults> faults[] = {
        {"one byte short", {.shortLength = PARAMETER_IMAGE_SIZE - 1}},
        {"wrong checksum", {.wrongChecksum = true}},
        {"noise ahead of the reply", {.strayBytes = 5}},
    };
    StartDevice();
    for (const auto& [name, fault] : faults) {
        device_->SetFaults(fault);
        ParameterImage image;
        EXPECT_FALSE(ReadDeviceParameter(view_, 0, image)) << name;
    }
}

TEST_F(TransactionTest, RequestsThatCannotBeSentFailAtOnce) {
    StartDevice();
    test::RecordingView closedChannel(kChannel + 1);
    ParameterImage image = SettingsToWrite();
    EXPECT_FALSE(ReadDeviceParameter(closedChannel, 0, image));
    EXPECT_EQ(image, ParameterImage{});
    EXPECT_TRUE(closedChannel.Calls().empty()) << "no wait, no buttons, nothing shown";

    image = SettingsToWrite();
    WriteDeviceParameter(closedChannel, 0, image);
    EXPECT_EQ(closedChannel.Calls(), Calls{kFailedBox}) << "status panel and buttons untouched";
    EXPECT_TRUE(CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    EXPECT_TRUE(device_->Received().empty());
}

TEST_F(TransactionTest, WriteVerifiesAgainstADeviceWithItsOwnIdentityThatAnswersWrites) {
    StartDevice({.answerWrites = true, .newInfoAfterWrite = true});
    const ParameterImage before = device_->Image();
    ParameterImage image = SettingsToWrite();
    const auto echo = MakeWriteRequest(0, image);
    ASSERT_FALSE(CheckParameterChecksum(echo.data(), PARAMETER_IMAGE_SIZE))
        << "the device's answer alone would not pass for a reply";

    WriteDeviceParameter(view_, 0, image);
    EXPECT_EQ(view_.Calls(), kWaitForDevice + kWaitForDevice + Calls{kSucceeded});
    EXPECT_GE(view_.Between(2, 3), std::chrono::milliseconds(WRITE_WAIT_MS));
    EXPECT_EQ(image[0], ParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE))
        << "the caller's image carries the checksum that was sent";

    const ParameterImage stored = device_->Image();
    EXPECT_TRUE(std::equal(image.Data() + VERIFY_OFFSET, image.Data() + PARAMETER_IMAGE_SIZE,
                           stored.Data() + VERIFY_OFFSET));
    EXPECT_NE(stored[0], image[0]) << "the device's checksum differs from the one sent";
    EXPECT_NE(stored.Get(field::FirmwareVersion), before.Get(field::FirmwareVersion));
    EXPECT_NE(stored.Get(field::VendorID), image.Get(field::VendorID));
}

class OneDifferingByteTest : public TransactionTest,
                             public ::testing::WithParamInterface<size_t> {};

TEST_P(OneDifferingByteTest, FailsTheWriteInTheStatusPanelAndInABox) {
    StartDevice({.alterOffset = GetParam()});
    ParameterImage image = SettingsToWrite();
    WriteDeviceParameter(view_, 0, image);
    EXPECT_EQ(view_.Calls(), kWaitForDevice + kWaitForDevice + Calls({kFailedStatus, kFailedBox}));
    EXPECT_NE(device_->Image()[GetParam()], image[GetParam()]);
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleAndLastComparedByte, OneDifferingByteTest,
                         ::testing::Values(VERIFY_OFFSET, 130, PARAMETER_IMAGE_SIZE - 1));

TEST_F(TransactionTest, WriteWhoseReadBackFailsShowsTheBoxAndLeavesTheStatusPanel) {
    StartDevice({.wrongChecksum = true});
    ParameterImage image = SettingsToWrite();
    WriteDeviceParameter(view_, 0, image);
    EXPECT_EQ(view_.Calls(), kWaitForDevice + kWaitForDevice + Calls{kFailedBox});
}

}  // namespace
}  // namespace veltrix::protocol
