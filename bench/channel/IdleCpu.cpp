// CPU that open channels cost while nothing arrives, against a bare thread doing the same wait.
#include <chrono>
#include <thread>

#include "Figure.h"
#include "Format.h"
#include "OpenChannel.h"
#include "PortDirectory.h"
#include "ProcessResources.h"
#include "RawPtyWaiter.h"
#include "vci.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;

constexpr int32_t kChannels = 24;
constexpr int kRawCom = kChannels;  // beyond the channel numbers, so no channel opens it
constexpr auto kWatch = 3s;
constexpr double kGoalPercent = 1.0;

// Percent of one core that the whole process used while this thread slept for kWatch.
double PercentOfOneCoreMeanwhile() {
    const auto wallBefore = std::chrono::steady_clock::now();
    const auto cpuBefore = test::ProcessCpuTime();
    std::this_thread::sleep_for(kWatch);
    const std::chrono::duration<double> cpu = test::ProcessCpuTime() - cpuBefore;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
    return 100 * cpu / wall;
}

void Measure() {
    test::PortDirectory ports;
    for (int32_t channel = 0; channel < kChannels; ++channel) {
        ports.AddPort(channel);
    }
    double bareWait = 0;
    {
        RawPtyWaiter waiter(ports.AddPort(kRawCom).PortPath());
        bareWait = PercentOfOneCoreMeanwhile();
    }
    const std::string floor =
        PercentText(bareWait) + " (a bare thread waiting in poll on an idle pty)";
    const std::string goal = "< " + PercentText(kGoalPercent) + " per channel";

    OpenChannel(0);
    const double one = PercentOfOneCoreMeanwhile();
    VCI_CloseDevice(0);
    Report({"CPU of one open, idle channel (% of one core)", PercentText(one), floor, goal,
            Below(one, kGoalPercent)});

    for (int32_t channel = 0; channel < kChannels; ++channel) {
        OpenChannel(channel);
    }
    // Left open: the process ends next, and 24 closes would only add 4.8 s of waiting.
    const double each = PercentOfOneCoreMeanwhile() / kChannels;
    Report({"CPU of 24 open, idle channels, per channel", PercentText(each), floor, goal,
            Below(each, kGoalPercent)});
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::Measure();
}
