// The device information list: its rows, in the order they are shown, and what each shows.
#pragma once

#include <array>
#include <string>

#include "ParameterImage.h"

namespace window::transfer {

inline constexpr std::array<const char*, 6> BASIC_INFO_PROPERTIES = {
    "Vendor ID",        "Product Type",     "Product Code",
    "Hardware Version", "Firmware Version", "Serial Number",
};

// The description of each row of BASIC_INFO_PROPERTIES, from the device's identity in `image`.
// Takes any image and never throws.
std::array<std::string, BASIC_INFO_PROPERTIES.size()> BasicInfoDescriptions(
    const veltrix::protocol::ParameterImage& image);

}  // namespace window::transfer
