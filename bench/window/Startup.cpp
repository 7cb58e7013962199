// Start-up of the real veltrix-config: from the process's start to its main window shown, with
// 0, 2 and 8 simulated ports to find, against the close's 200 ms wait per port found plus what a
// bare Qt window takes to show, measured in the same run. Its window shows on a private X server,
// which reports the map: nothing is added to the program to measure it.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ChannelTable.h"
#include "Figure.h"
#include "Format.h"
#include "PortDirectory.h"
#include "Samples.h"
#include "SimulatedDevice.h"
#include "ToolWindow.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kRuns = 7;
constexpr auto kCloseWait = std::chrono::milliseconds(vci::CLOSE_WAIT_MS);
constexpr auto kAllowance = 50ms;

// `count` devices that answer at once, spread over the 24 COM numbers.
std::vector<std::unique_ptr<sim::SimulatedDevice>> Devices(const test::PortDirectory& ports,
                                                           int count) {
    std::vector<std::unique_ptr<sim::SimulatedDevice>> devices;
    for (int i = 0; i < count; ++i) {
        devices.push_back(std::make_unique<sim::SimulatedDevice>(sim::SimulatedDevice::Options{
            .comNumber = i * vci::CHANNEL_COUNT / count, .portDir = ports.Path(), .paced = false}));
    }
    return devices;
}

void MeasureWithPorts(VirtualDisplay& display, int portCount) {
    test::PortDirectory ports;
    const auto devices = Devices(ports, portCount);
    const auto timeToShow = [&](const std::string& program) {
        return ShownProgram(display, program, ports.Path()).TimeToShow();
    };
    // The first start of each fills the caches of the file system and of fontconfig.
    timeToShow(kBareWindowProgram);
    timeToShow(kToolProgram);
    // Interleaved, so that both see the same load on the machine.
    Samples bare;
    Samples tool;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(timeToShow(kBareWindowProgram));
        tool.push_back(timeToShow(kToolProgram));
    }
    const auto bareShow = Percentile(bare, 50);
    ReportAboveFloor("Start-up to the window shown, " + std::to_string(portCount) +
                         " ports found (median of " + std::to_string(kRuns) + ")",
                     Percentile(tool, 50), bareShow + portCount * kCloseWait,
                     "bare Qt window shown (" + DurationText(bareShow) + ") + " +
                         std::to_string(portCount) + " × " + DurationText(kCloseWait) + " close",
                     kAllowance);
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::VirtualDisplay display;
    for (const int ports : {0, 2, 8}) {
        veltrix::bench::MeasureWithPorts(display, ports);
    }
}
