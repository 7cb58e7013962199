// The simulated device on its pseudo-terminal, seen through the channel layer: pacing, pieces
// of requests, unasked bytes, and its link.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "DeviceIo.h"
#include "ParsedItemPrinting.h"
#include "PortDirectory.h"
#include "Requests.h"
#include "SimulatedDevice.h"
#include "vci.h"

namespace veltrix::sim {
namespace {

using namespace protocol;
using namespace std::chrono_literals;
using test::TakeReceived;
using test::WaitUntilReceived;
using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr int32_t kChannel = 4;

Bytes BytesOf(const ParameterImage& image) {
    return {image.Data(), image.Data() + PARAMETER_IMAGE_SIZE};
}

void Send(const Bytes& bytes) {
    ASSERT_EQ(_VCI_WriteDevice(kChannel, bytes.data(), static_cast<uint32_t>(bytes.size())), 1);
}

class SimulatedDeviceTest : public ::testing::Test {
  protected:
    void StartDevice(bool paced) {
        device_.emplace(SimulatedDevice::Options{
            .comNumber = kChannel, .portDir = ports_.Path(), .paced = paced});
        ASSERT_EQ(VCI_OpenDevice(kChannel), 1);
    }
    void TearDown() override { VCI_CloseDevice(kChannel); }

    test::PortDirectory ports_;
    std::optional<SimulatedDevice> device_;
};

TEST_F(SimulatedDeviceTest, PacedReplyEndsNoSoonerThanRequestAndReplyCrossTheLine) {
    StartDevice(true);
    const auto request = MakeReadRequest(0);
    const auto sent = Clock::now();
    Send({request.begin(), request.end()});
    ASSERT_TRUE(WaitUntilReceived(kChannel, PARAMETER_IMAGE_SIZE));
    const auto took = Clock::now() - sent;
    EXPECT_GE(took, DeviceLine::BYTE_TIME * (READ_REQUEST_SIZE + PARAMETER_IMAGE_SIZE));
    EXPECT_EQ(TakeReceived(kChannel), BytesOf(FactoryImage()));
}

TEST_F(SimulatedDeviceTest, RequestInPiecesWithPausesIsAnswered) {
    StartDevice(false);
    Send({0xCC});
    std::this_thread::sleep_for(20ms);
    Send({0xDD, 0x00});
    std::this_thread::sleep_for(20ms);
    Send({0x00});
    ASSERT_TRUE(WaitUntilReceived(kChannel, PARAMETER_IMAGE_SIZE));
    EXPECT_EQ(TakeReceived(kChannel), BytesOf(FactoryImage()));
}

TEST_F(SimulatedDeviceTest, UnfinishedRequestIsGivenUpOnceTheLineIsQuiet) {
    StartDevice(false);
    const auto write = MakeWriteRequest(0, FactoryImage());
    Send({write.begin(), write.begin() + 13});
    std::this_thread::sleep_for(SimulatedDevice::FRAME_GAP * 3);
    const auto read = MakeReadRequest(0);
    Send({read.begin(), read.end()});
    ASSERT_TRUE(WaitUntilReceived(kChannel, PARAMETER_IMAGE_SIZE));
    EXPECT_EQ(TakeReceived(kChannel), BytesOf(FactoryImage()));
    EXPECT_EQ(device_->Received(),
              (std::vector<ParsedItem>{IgnoredBytes{13}, ReadRequest{0, READ_REQUEST_FILLER}}));
}

TEST_F(SimulatedDeviceTest, SendsBytesOfItsOwnUnasked) {
    StartDevice(true);
    const Bytes chatter = {0x01, 0xCC, 0xDD, 0xFF};
    device_->SendOfItsOwn(chatter);
    ASSERT_TRUE(WaitUntilReceived(kChannel, 4));
    EXPECT_EQ(TakeReceived(kChannel), chatter);
}

TEST_F(SimulatedDeviceTest, StopsInTheMiddleOfALateReplyAndRemovesItsLink) {
    StartDevice(false);
    device_->SetFaults({.lateMs = 600000});
    const auto read = MakeReadRequest(0);
    Send({read.begin(), read.end()});
    while (device_->Received().empty()) {
        std::this_thread::sleep_for(1ms);
    }
    const std::string link = device_->LinkPath();
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    device_.reset();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST_F(SimulatedDeviceTest, RefusesAPortThatIsTakenOrNoPortDirectory) {
    StartDevice(false);
    EXPECT_THROW(SimulatedDevice({.comNumber = kChannel, .portDir = ports_.Path()}),
                 std::system_error);
    const std::string saved = ports_.Path();
    ::unsetenv("VELTRIX_PORT_DIR");
    EXPECT_THROW(SimulatedDevice({.comNumber = 5}), std::runtime_error);
    ::setenv("VELTRIX_PORT_DIR", saved.c_str(), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(device_->LinkPath()));
}

}  // namespace
}  // namespace veltrix::sim
