// A private X server (Xvfb) for the benchmarks that run the real program: it says when a
// process's window appears on the screen, and clicks into it as a user would. The server is the
// observer, so the program needs nothing added to be measured.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "ChildProcess.h"

struct xcb_connection_t;

namespace veltrix::bench {

class VirtualDisplay {
  public:
    using Clock = std::chrono::steady_clock;

    struct MappedWindow {
        uint32_t id;
        Clock::time_point mappedAt;  // when the server told us that the window was mapped
    };
    struct Rectangle {
        int x;
        int y;  // of the top left corner, on the screen
        int width;
        int height;
    };

    // Starts the server on a free display number; throws when it does not come up.
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // What DISPLAY names for the programs to show their windows here, e.g. ":1".
    const std::string& Name() const { return name_; }

    // Waits for the first top-level window of process `pid` (by its _NET_WM_PID) to be mapped,
    // that is shown on the screen. Throws std::runtime_error after `patience`.
    MappedWindow AwaitWindowOf(pid_t pid, std::chrono::seconds patience);

    Rectangle GeometryOf(uint32_t window);

    // A click of the left button at (x, y) on the screen, through the XTEST extension (xdotool).
    void ClickAt(int x, int y);

  private:
    uint32_t PidOf(uint32_t window);

    std::string name_;
    std::unique_ptr<ChildProcess> server_;
    xcb_connection_t* connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t pidAtom_ = 0;
};

}  // namespace veltrix::bench
