// Transactions through the real channel layer, over a pseudo-terminal, against the simulated
// device, with a recording stand-in for the window; what the transaction tests share.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PortDirectory.h"
#include "RecordingView.h"
#include "SimulatedDevice.h"
#include "Transactions.h"
#include "vci.h"

namespace veltrix::protocol {

using Calls = std::vector<std::string>;

inline constexpr int32_t kChannel = 5;
inline const Calls kWaitForDevice = {"disable OpenRS232",      "disable ReadParameter",
                                     "disable WriteParameter", "enable OpenRS232",
                                     "enable ReadParameter",   "enable WriteParameter"};
// The last call before each wait.
inline const std::string kWaitBegins = "disable WriteParameter";
inline const std::string kSucceeded = "status: Write device parameter Succeed!";
inline const std::string kFailedStatus = "status: Write device parameter fail!";
inline const std::string kFailedBox = "box: Write device parameter fail! [Waring]";

inline Calls operator+(Calls left, const Calls& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// Settings as the window builds them: zeros where the device keeps its identity, and values
// that differ from what the device holds.
inline ParameterImage SettingsToWrite() {
    ParameterImage image = sim::FactoryImage();
    for (size_t offset = 1; offset < VERIFY_OFFSET; ++offset) {
        image[offset] = 0;
    }
    image.Set(field::CANID, 0x7AB);
    image.Set(field::FilterCount, 3);
    image.Set(field::FilterStartID[2], 0x300);
    image.Set(field::FilterEndID[2], 0x3FF);
    image.Set(field::UARTFrameInterval, 250);
    return image;
}

class TransactionFixture : public ::testing::Test {
  protected:
    void StartDevice(const sim::Faults& faults = {}, bool paced = false) {
        device_.emplace(sim::SimulatedDevice::Options{
            .comNumber = kChannel, .portDir = ports_.Path(), .paced = paced, .faults = faults});
        ASSERT_EQ(VCI_OpenDevice(kChannel), 1);
    }
    void TearDown() override { VCI_CloseDevice(kChannel); }

    test::PortDirectory ports_;
    std::optional<sim::SimulatedDevice> device_;
    test::RecordingView view_{kChannel};
};

}  // namespace veltrix::protocol
