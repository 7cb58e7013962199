// What opening and closing a channel cost, as port discovery pays it for every port that opens.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "Figure.h"
#include "Format.h"
#include "PortDirectory.h"
#include "Samples.h"
#include "vci.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;

constexpr int32_t kChannel = 0;
constexpr int kCycles = 15;
constexpr auto kCloseWait = 200ms;
// Start-up may spend 50 ms beyond the closes' waits with 8 ports: about 6 ms per port.
constexpr auto kCycleAllowance = std::chrono::microseconds(50ms) / 8;

std::string MedianAndMax(const Samples& samples) {
    return DurationText(Percentile(samples, 50)) + " (max " +
           DurationText(Percentile(samples, 100)) + ")";
}

void Measure() {
    test::PortDirectory ports;
    const std::string path = ports.AddPort(kChannel).LinkPath();

    Samples bareOpens;
    Samples opens;
    Samples closes;
    Samples cycles;
    for (int i = 0; i < kCycles; ++i) {
        bareOpens.push_back(
            TimeOf([&] { ::close(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)); }));
        int32_t opened = 0;
        opens.push_back(TimeOf([&] { opened = VCI_OpenDevice(kChannel); }));
        if (opened != 1) {
            throw std::runtime_error("cannot open the channel");
        }
        closes.push_back(TimeOf([&] { VCI_CloseDevice(kChannel); }));
        cycles.push_back(opens.back() + closes.back());
    }

    Report({"Open of a channel (port, line settings, reader started)", MedianAndMax(opens),
            "open() + close() of the same tty: " + DurationText(Percentile(bareOpens, 50)), "",
            Verdict::NoGoal});
    Report({"Close of an open channel", MedianAndMax(closes),
            DurationText(kCloseWait) + " (the close's fixed wait)", "", Verdict::NoGoal});
    const auto cycle = Percentile(cycles, 50);
    Report({"Open + close, port discovery's cost per port (median)", DurationText(cycle),
            DurationText(kCloseWait), "< " + DurationText(kCloseWait + kCycleAllowance),
            Below(cycle.count(), std::chrono::nanoseconds(kCloseWait + kCycleAllowance).count())});
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::Measure();
}
