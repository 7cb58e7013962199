// The real veltrix-config, and the bare Qt program under it, started on a virtual display.
#pragma once

#include <chrono>
#include <map>
#include <string>

#include "ChildProcess.h"
#include "VirtualDisplay.h"

namespace veltrix::bench {

// Paths of the programs, from the build.
inline const std::string kToolProgram = VELTRIX_CONFIG_PROGRAM;
inline const std::string kBareWindowProgram = BARE_WINDOW_PROGRAM;

// A program shown on `display` (Qt's X11 platform), looking for ports in `portDir` only.
class ShownProgram {
  public:
    ShownProgram(VirtualDisplay& display, const std::string& program, const std::string& portDir)
        : started_(VirtualDisplay::Clock::now()),
          process_(program, {},
                   {{"DISPLAY", display.Name()},
                    {"QT_QPA_PLATFORM", "xcb"},
                    {"VELTRIX_PORT_DIR", portDir}}),
          window_(display.AwaitWindowOf(process_.Pid(), std::chrono::seconds(60))) {}

    pid_t Pid() const { return process_.Pid(); }
    uint32_t Window() const { return window_.id; }
    // From just before the process was started to its window mapped on the screen.
    std::chrono::nanoseconds TimeToShow() const { return window_.mappedAt - started_; }

  private:
    VirtualDisplay::Clock::time_point started_;
    ChildProcess process_;
    VirtualDisplay::MappedWindow window_;
};

}  // namespace veltrix::bench
