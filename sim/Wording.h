// Counts as the simulator's messages say them.
#pragma once

#include <cstddef>
#include <string>

namespace veltrix::sim {

inline std::string Bytes(size_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

}  // namespace veltrix::sim
