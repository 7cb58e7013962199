// A simulated device on a paced line, linked as COM<channel> in a private port directory, with
// the channel open and a quiet window to run transactions with; the channel closes at the end.
#pragma once

#include <cstdint>

#include "OpenChannel.h"
#include "PortDirectory.h"
#include "QuietView.h"
#include "SimulatedDevice.h"

namespace veltrix::bench {

class PacedDevice {
  public:
    explicit PacedDevice(int32_t channel)
        : channel_(channel),
          device_({.comNumber = channel, .portDir = ports_.Path(), .paced = true}),
          view_(channel) {
        OpenChannel(channel);
    }
    ~PacedDevice() { VCI_CloseDevice(channel_); }
    PacedDevice(const PacedDevice&) = delete;
    PacedDevice& operator=(const PacedDevice&) = delete;

    const sim::SimulatedDevice& Device() const { return device_; }
    QuietView& View() { return view_; }

  private:
    int32_t channel_;
    test::PortDirectory ports_;
    sim::SimulatedDevice device_;
    QuietView view_;
};

}  // namespace veltrix::bench
