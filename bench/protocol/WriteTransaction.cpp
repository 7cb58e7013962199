// The write transaction with its verifying read, end to end, through the channel layer, against a
// simulated device on a paced line: how much it adds to its two fixed waits.
#include <chrono>
#include <stdexcept>
#include <thread>

#include "Figure.h"
#include "PacedDevice.h"
#include "Samples.h"
#include "Transactions.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;

constexpr int32_t kChannel = 0;
constexpr int kWrites = 8;
constexpr auto kWriteWait = std::chrono::milliseconds(protocol::WRITE_WAIT_MS);
constexpr auto kReadWait = std::chrono::milliseconds(protocol::READ_WAIT_MS);
constexpr auto kAllowance = 5ms;

void Measure() {
    PacedDevice paced(kChannel);

    // Interleaved, so that both see the same load on the machine.
    Samples sleeps;
    Samples writes;
    for (int i = 0; i < kWrites; ++i) {
        sleeps.push_back(TimeOf([] {
            std::this_thread::sleep_for(kWriteWait);
            std::this_thread::sleep_for(kReadWait);
        }));
        // A new setting each time, so that every write really changes the device.
        protocol::ParameterImage image = sim::FactoryImage();
        image.Set(protocol::field::UARTFrameInterval, 100 + i);
        writes.push_back(TimeOf([&] { protocol::WriteDeviceParameter(paced.View(), 0, image); }));
        if (paced.View().Status() != protocol::WRITE_SUCCEED_TEXT ||
            !paced.View().Warning().empty() ||
            paced.Device().Image().Get(protocol::field::UARTFrameInterval) != 100u + i) {
            throw std::runtime_error("a write transaction failed");
        }
    }

    const std::string floor = "bare " + std::to_string(protocol::WRITE_WAIT_MS) + " ms + " +
                              std::to_string(protocol::READ_WAIT_MS) + " ms sleeps";
    ReportAboveFloor("Write transaction with its verifying read, median (paced device)",
                     Percentile(writes, 50), Percentile(sleeps, 50), floor, kAllowance);
    ReportAboveFloor("Write transaction with its verifying read, p95", Percentile(writes, 95),
                     Percentile(sleeps, 95), floor, kAllowance);
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::Measure();
}
