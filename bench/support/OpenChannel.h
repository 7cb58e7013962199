// Opening a channel that a measurement cannot go on without.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "vci.h"

namespace veltrix::bench {

// Throws when COM<channel> does not open: the program ends and ./benchmark shows why.
inline void OpenChannel(int32_t channel) {
    if (VCI_OpenDevice(channel) != 1) {
        throw std::runtime_error("cannot open COM" + std::to_string(channel));
    }
}

}  // namespace veltrix::bench
