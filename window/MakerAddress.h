// The maker's web address, shown in the main window's status bar and in the About box.
#pragma once

namespace window {

inline constexpr const char* MAKER_WEB_ADDRESS = "www.veltrix-devices.com";

}  // namespace window
