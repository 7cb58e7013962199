// The options of the veltrix-sim program.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "SimulatedDevice.h"

namespace veltrix::sim {

struct CommandLine {
    SimulatedDevice::Options device;
    bool quiet = false;
    bool help = false;
};

// Throws std::invalid_argument with a message for the user.
CommandLine ParseCommandLine(std::span<const std::string_view> arguments);

std::string Usage();

}  // namespace veltrix::sim
