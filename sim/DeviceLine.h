// The device's end of the serial line: sends bytes as fast as a 115200-baud line carries them,
// or all at once, and waits without spinning. Every wait ends early when the stop is raised.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

#include "EventFd.h"

namespace veltrix::sim {

class DeviceLine {
  public:
    using Clock = std::chrono::steady_clock;
    // Ten bits a byte (start, eight data, stop) at 115200 baud: about 87 microseconds.
    static constexpr std::chrono::nanoseconds BYTE_TIME{1'000'000'000LL * 10 / 115200};
    // Paced bytes go out in pieces this small, each once the line would have carried its last
    // byte, so the far end sees a steady trickle rather than one burst at the end.
    static constexpr size_t PACING_CHUNK = 8;

    // `deviceFd` must be non-blocking.
    DeviceLine(int deviceFd, const EventFd& stop, bool paced);

    // False when the stop came first. Bytes the line cannot take any more are dropped.
    bool Send(std::span<const uint8_t> bytes) const;
    // How long `count` bytes take on the line: none when unpaced.
    Clock::duration TimeOnTheLine(size_t count) const;
    // False when the stop came first.
    bool SleepUntil(Clock::time_point deadline) const;

  private:
    bool WriteAll(std::span<const uint8_t> bytes) const;

    int deviceFd_;
    const EventFd& stop_;
    bool paced_;
};

}  // namespace veltrix::sim
