// The device's end of the line closes in the middle of a transaction, as when an adapter is
// pulled out: the transaction fails as it always fails, nothing spins meanwhile, the channel
// closes as usual, and the same COM number opens again for a new device.
#include <functional>
#include <thread>

#include "DeviceIo.h"
#include "ProcessResources.h"
#include "TransactionFixture.h"

namespace veltrix::protocol {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class VanishingPortTest : public TransactionFixture {
  protected:
    // At the start of the transaction's next wait, as soon as `ready` holds, the device goes.
    void VanishWhen(std::function<bool()> ready) {
        view_.OnceAfter(kWaitBegins, [this, ready] {
            const auto deadline = Clock::now() + std::chrono::milliseconds(test::kPatienceMs);
            while (!ready() && Clock::now() < deadline) {
                std::this_thread::sleep_for(1ms);
            }
            EXPECT_TRUE(ready()) << "the device never got as far as it should before going";
            device_.reset();
            vanishedAt_ = Clock::now();
            cpuAtVanish_ = test::ProcessCpuTime();
        });
    }

    // A reader spinning on the hung-up port would burn a whole core from the vanishing on.
    void ExpectNoSpinningSinceTheDeviceWent() {
        ASSERT_FALSE(device_.has_value()) << "the device never went";
        const auto wall = Clock::now() - vanishedAt_;
        const auto cpu = test::ProcessCpuTime() - cpuAtVanish_;
        EXPECT_LT(cpu, wall / 2) << "CPU " << cpu.count() << " ns in " << wall.count() << " ns";
    }

    void ExpectTheChannelToCloseAndOpenForANewDevice() {
        const auto closing = Clock::now();
        EXPECT_EQ(VCI_CloseDevice(kChannel), 1);
        EXPECT_GE(Clock::now() - closing, 200ms) << "a close of an open channel waits";

        ParameterImage newDevice = sim::FactoryImage();
        newDevice.Set(field::FirmwareVersion, 300);
        device_.emplace(sim::SimulatedDevice::Options{
            .comNumber = kChannel, .portDir = ports_.Path(), .image = newDevice});
        ASSERT_EQ(VCI_OpenDevice(kChannel), 1);
        ParameterImage image;
        EXPECT_TRUE(ReadDeviceParameter(view_, 0, image));
        EXPECT_EQ(image.Get(field::FirmwareVersion), 300);
        EXPECT_EQ(image, device_->Image());
    }

    Clock::time_point vanishedAt_;
    std::chrono::nanoseconds cpuAtVanish_{};
};

TEST_F(VanishingPortTest, DeviceGoneHalfwayThroughItsReplyFailsTheReadLikeAShortReply) {
    // The first 100 bytes go out at once; the rest would come far too late.
    StartDevice({.lateMs = 600000, .lateFromByte = 100}, true);
    VanishWhen([] { return VCI_GetReceiveNum(kChannel, 0) >= 100; });
    ParameterImage image = SettingsToWrite();

    EXPECT_FALSE(ReadDeviceParameter(view_, 0, image));
    ExpectNoSpinningSinceTheDeviceWent();
    EXPECT_EQ(image, ParameterImage{}) << "a failed read leaves an all-zero image";
    EXPECT_EQ(view_.Calls(), kWaitForDevice) << "one wait, buttons back, nothing shown";
    EXPECT_EQ(VCI_GetReceiveNum(kChannel, 0), 0u) << "the 100 bytes that came were taken";

    ExpectTheChannelToCloseAndOpenForANewDevice();
}

TEST_F(VanishingPortTest, DeviceGoneDuringTheWriteWaitFailsTheWriteWithItsBox) {
    StartDevice({}, true);
    VanishWhen([this] { return !device_->Received().empty(); });
    ParameterImage image = SettingsToWrite();

    WriteDeviceParameter(view_, 0, image);
    ExpectNoSpinningSinceTheDeviceWent();
    EXPECT_EQ(view_.Calls(), kWaitForDevice + Calls{kFailedBox})
        << "the read-back request cannot be sent: no second wait, status panel untouched";

    ExpectTheChannelToCloseAndOpenForANewDevice();
}

}  // namespace
}  // namespace veltrix::protocol
