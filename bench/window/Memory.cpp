// Memory of the real veltrix-config: its resident size once its window is shown and after it has
// read a simulated device, beside a bare Qt window's, and how much of its static receive rings is
// resident. The rings are zero-initialised static storage (.bss): reserved from the start, and
// each page becomes resident only when something writes to it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <variant>

#include "Figure.h"
#include "PortDirectory.h"
#include "ReceiveRing.h"
#include "SimulatedDevice.h"
#include "ToolWindow.h"

namespace veltrix::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kChannel = 3;
// Long enough for the first paint after the map, and for a read's 300 ms wait and the load.
constexpr auto kSettle = 1s;
constexpr uint64_t kRingBytes = sizeof(vci::ReceiveRings);

// Where the connection group's buttons are: the group lies at (8, 0) of the client area of
// 694 x 419, which sits at the bottom of the window, under its menu bar.
constexpr int kClientHeight = 419;
constexpr int kButtonsTop = 16;
constexpr int kOpenButtonLeft = 8 + 344;
constexpr int kReadButtonLeft = 8 + 448;
constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 25;

struct ProcessMemory {
    uint64_t residentKb = 0;  // VmRSS
    uint64_t peakKb = 0;      // VmHWM
    uint64_t anonymousKb = 0;
    uint64_t fileKb = 0;
    uint64_t sharedMemoryKb = 0;
    uint64_t staticKb = 0;          // size of the executable's .bss mapping, which holds the rings
    uint64_t staticResidentKb = 0;  // and the part of it that is resident
};

// The "Name: value kB" lines of /proc/<pid>/status.
void ReadStatus(pid_t pid, ProcessMemory& memory) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string name;
    uint64_t kilobytes = 0;
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        if (!(fields >> name >> kilobytes)) {
            continue;
        }
        if (name == "VmRSS:") {
            memory.residentKb = kilobytes;
        } else if (name == "VmHWM:") {
            memory.peakKb = kilobytes;
        } else if (name == "RssAnon:") {
            memory.anonymousKb = kilobytes;
        } else if (name == "RssFile:") {
            memory.fileKb = kilobytes;
        } else if (name == "RssShmem:") {
            memory.sharedMemoryKb = kilobytes;
        }
    }
}

// The .bss of the executable is the nameless mapping right after the last one of the executable's
// file (its data); the rings make up nearly all of it.
void ReadStaticStorage(pid_t pid, ProcessMemory& memory) {
    const std::string proc = "/proc/" + std::to_string(pid);
    std::ifstream smaps(proc + "/smaps");
    const std::string executable = std::filesystem::read_symlink(proc + "/exe");
    bool afterExecutable = false;
    bool inStatic = false;
    std::string line;
    while (std::getline(smaps, line)) {
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        if (first.find('-') != std::string::npos && first.back() != ':') {
            // A mapping's first line: range, permissions, offset, device, inode, path.
            std::string permissions, offset, device, inode, path;
            fields >> permissions >> offset >> device >> inode >> path;
            inStatic = afterExecutable && path.empty() && memory.staticKb == 0;
            afterExecutable = path == executable;
        } else if (inStatic && first == "Size:") {
            fields >> memory.staticKb;
        } else if (inStatic && first == "Rss:") {
            fields >> memory.staticResidentKb;
        }
    }
    if (memory.staticKb * 1024 < kRingBytes) {
        throw std::runtime_error("the mapping of the receive rings was not found in " + proc);
    }
}

ProcessMemory ToolMemory(pid_t pid) {
    ProcessMemory memory;
    ReadStatus(pid, memory);
    ReadStaticStorage(pid, memory);
    return memory;
}

// /proc counts in kB of 1024 bytes.
std::string Mebibytes(uint64_t kilobytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", kilobytes / 1024.0);
    return text;
}

std::string ResidentText(const ProcessMemory& memory) {
    return Mebibytes(memory.residentKb) + " (anon " + Mebibytes(memory.anonymousKb) + ", files " +
           Mebibytes(memory.fileKb) + ", shm " + Mebibytes(memory.sharedMemoryKb) + "); peak " +
           Mebibytes(memory.peakKb);
}

std::string RingsText(const ProcessMemory& memory) {
    return std::to_string(memory.staticResidentKb) + " KiB of the " + Mebibytes(memory.staticKb) +
           " .bss";
}

bool DeviceWasRead(const sim::SimulatedDevice& device) {
    for (const sim::ParsedItem& item : device.Received()) {
        if (std::holds_alternative<sim::ReadRequest>(item)) {
            return true;
        }
    }
    return false;
}

void ClickButton(VirtualDisplay& display, uint32_t window, int buttonLeft) {
    const VirtualDisplay::Rectangle frame = display.GeometryOf(window);
    const int clientTop = frame.y + frame.height - kClientHeight;
    display.ClickAt(frame.x + buttonLeft + kButtonWidth / 2,
                    clientTop + kButtonsTop + kButtonHeight / 2);
}

void ReadDevice(VirtualDisplay& display, const ShownProgram& tool,
                const sim::SimulatedDevice& device) {
    ClickButton(display, tool.Window(), kOpenButtonLeft);
    std::this_thread::sleep_for(500ms);
    ClickButton(display, tool.Window(), kReadButtonLeft);
    for (int i = 0; i < 100 && !DeviceWasRead(device); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    if (!DeviceWasRead(device)) {
        throw std::runtime_error("the tool did not read the device");
    }
    std::this_thread::sleep_for(kSettle);
}

void Measure() {
    VirtualDisplay display;
    test::PortDirectory ports;
    const sim::SimulatedDevice device(
        {.comNumber = kChannel, .portDir = ports.Path(), .paced = false});

    ProcessMemory bareMemory;
    {
        const ShownProgram bare(display, kBareWindowProgram, ports.Path());
        std::this_thread::sleep_for(kSettle);
        ReadStatus(bare.Pid(), bareMemory);
    }
    const ShownProgram tool(display, kToolProgram, ports.Path());
    std::this_thread::sleep_for(kSettle);
    const ProcessMemory shown = ToolMemory(tool.Pid());
    ReadDevice(display, tool, device);
    const ProcessMemory afterRead = ToolMemory(tool.Pid());

    char ringBytes[16];
    std::snprintf(ringBytes, sizeof ringBytes, "%.1f MB", kRingBytes / 1e6);
    const std::string rings = Mebibytes(kRingBytes / 1024) + " of rings (" +
                              std::to_string(vci::CHANNEL_COUNT) + " × " +
                              std::to_string(vci::RING_SLOTS) + " slots × 4 B: " + ringBytes + ")";
    const std::string floor = "bare Qt window: " + Mebibytes(bareMemory.residentKb) + "; " + rings;
    Report({"Resident size, window shown (VmRSS; peak VmHWM)", ResidentText(shown), floor, "",
            Verdict::NoGoal});
    Report({"Resident size after a read of a simulated device", ResidentText(afterRead), floor, "",
            Verdict::NoGoal});
    Report({"Receive rings resident, window shown / after the read (.bss in /proc/<pid>/smaps)",
            RingsText(shown) + " / " + RingsText(afterRead), rings + " reserved", "",
            Verdict::NoGoal});
}

}  // namespace
}  // namespace veltrix::bench

int main() {
    veltrix::bench::Measure();
}
