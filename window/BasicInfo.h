// The rows of the device information list, in the order they are shown.
#pragma once

#include <array>

namespace window {

inline constexpr std::array<const char*, 6> BASIC_INFO_PROPERTIES = {
    "Vendor ID",        "Product Type",     "Product Code",
    "Hardware Version", "Firmware Version", "Serial Number",
};

}  // namespace window
