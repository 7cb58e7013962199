// The read transaction end to end, through the channel layer, against a simulated device on a
// paced line: how much it adds to its fixed wait, and how much of that wait the reply uses.
#include <chrono>
#include <stdexcept>
#include <thread>

#include "Figure.h"
#include "Format.h"
#include "Line.h"
#include "PacedDevice.h"
#include "Requests.h"
#include "Samples.h"
#include "Transactions.h"
#include "vci.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;
using protocol::PARAMETER_IMAGE_SIZE;
using Clock = std::chrono::steady_clock;

constexpr int32_t kChannel = 0;
constexpr int kReads = 20;
constexpr auto kWait = std::chrono::milliseconds(protocol::READ_WAIT_MS);
const std::string kWaitText = std::to_string(protocol::READ_WAIT_MS) + " ms";
constexpr auto kAllowance = 3ms;
// The request and the reply on the line, one after the other.
constexpr auto kLineTime = kLineByteTime * (protocol::READ_REQUEST_SIZE + PARAMETER_IMAGE_SIZE);

// From the read request's write to the reply's last byte counted in the ring; spins, yielding,
// as the latency benchmark does.
std::chrono::nanoseconds ReplyArrival() {
    VCI_ClearBuffer(kChannel, 0);
    const auto request = protocol::MakeReadRequest(0);
    const auto sent = Clock::now();
    if (_VCI_WriteDevice(kChannel, request.data(), request.size()) != 1) {
        throw std::runtime_error("cannot send a read request");
    }
    while (VCI_GetReceiveNum(kChannel, 0) < PARAMETER_IMAGE_SIZE) {
        std::this_thread::yield();
        if (Clock::now() - sent > kWait) {
            throw std::runtime_error("the reply did not arrive within the read's wait");
        }
    }
    const auto arrived = Clock::now();
    VCI_ClearBuffer(kChannel, 0);
    return arrived - sent;
}

void Measure() {
    PacedDevice paced(kChannel);

    // Interleaved, so that all three see the same load on the machine.
    Samples sleeps;
    Samples reads;
    Samples replies;
    for (int i = 0; i < kReads; ++i) {
        sleeps.push_back(TimeOf([] { std::this_thread::sleep_for(kWait); }));
        protocol::ParameterImage image;
        bool read = false;
        reads.push_back(
            TimeOf([&] { read = protocol::ReadDeviceParameter(paced.View(), 0, image); }));
        if (!read || image != paced.Device().Image()) {
            throw std::runtime_error("a read transaction failed");
        }
        replies.push_back(ReplyArrival());
    }

    const std::string floor = "bare " + kWaitText + " sleep";
    ReportAboveFloor("Read transaction, median (request → image checked, paced device)",
                     Percentile(reads, 50), Percentile(sleeps, 50), floor, kAllowance);
    ReportAboveFloor("Read transaction, p95", Percentile(reads, 95), Percentile(sleeps, 95), floor,
                     kAllowance);
    const auto reply = Percentile(replies, 95);
    Report({"Reply in the ring, p50 / p95 (read request sent → 240th byte counted)",
            DurationText(Percentile(replies, 50)) + " / " + DurationText(reply),
            DurationText(kLineTime) + " (244 bytes at 115200 baud)",
            "< " + kWaitText + " (the read's wait)",
            Below(reply.count(), std::chrono::nanoseconds(kWait).count())});
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::Measure();
}
