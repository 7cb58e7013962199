// A simulated Veltrix-7A on a pseudo-terminal linked as COM<n>: it answers on a thread of its
// own from construction to destruction, in tests and in the veltrix-sim program alike.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "DeviceLine.h"
#include "DeviceModel.h"
#include "EventFd.h"
#include "PseudoTerminal.h"
#include "RequestParser.h"

namespace veltrix::sim {

class SimulatedDevice {
  public:
    struct Options {
        int comNumber = 3;
        std::string portDir{};  // empty: the directory that VELTRIX_PORT_DIR names
        bool paced = true;      // at the line's real speed; off: every reply at once
        Faults faults{};
        protocol::ParameterImage image = FactoryImage();
        std::function<void(const std::string&)> log{};  // a line per event; empty: silent
    };

    // An unfinished request is given up after the line has been quiet this long. The tool
    // leaves far longer between its requests and sends each in one piece.
    static constexpr std::chrono::milliseconds FRAME_GAP{100};
    // A simulator may run for days: it remembers only so much.
    static constexpr size_t HISTORY_LIMIT = 1000;

    // Links the port end and starts answering; throws std::system_error or std::runtime_error
    // when it cannot (no port directory, COM<n> already there).
    explicit SimulatedDevice(Options options);
    // Stops at once, even in the middle of a reply, and removes the link.
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    // Applies from the next request on.
    void SetFaults(const Faults& faults);
    // What the device holds now, with its own identity and checksum.
    protocol::ParameterImage Image() const;
    // What it has made of its input, oldest first: the last HISTORY_LIMIT items.
    std::vector<ParsedItem> Received() const;
    // Sends these bytes unasked, as soon as it is not busy replying.
    void SendOfItsOwn(std::span<const uint8_t> bytes);

    const std::string& LinkPath() const { return pty_.LinkPath(); }
    const std::string& PortPath() const { return pty_.PortPath(); }

  private:
    void Run();
    // How long poll() may wait: for good, or until an unfinished request is to be given up.
    int QuietTimeoutMs(DeviceLine::Clock::time_point lastInput) const;
    // These return false when the stop came first.
    bool GiveUpUnfinishedRequest();
    bool SendOwnBytes();
    bool TakeInput(DeviceLine::Clock::time_point& lastInput);
    bool Answer(const std::vector<ParsedItem>& items, DeviceLine::Clock::time_point arrived);
    bool Transmit(std::span<const uint8_t> bytes);
    void Log(const std::string& line) const;

    const Options options_;
    const DeviceLine::Clock::time_point started_ = DeviceLine::Clock::now();
    PseudoTerminal pty_;
    EventFd stop_;
    EventFd ownBytesWaiting_;
    DeviceLine line_;
    RequestParser parser_;  // the device thread's alone

    mutable std::mutex mutex_;  // guards the three below
    DeviceModel model_;
    std::deque<ParsedItem> received_;
    std::vector<uint8_t> ownBytes_;

    std::thread thread_;  // last: starts once everything above is there
};

}  // namespace veltrix::sim
