// Where a port named "COM<n>" lives on this machine.
#pragma once

#include <cstddef>

namespace vci {

// With VELTRIX_PORT_DIR set, "COM<n>" is the entry of that name in that directory and nothing
// else. Otherwise COM0-7 are /dev/ttyUSB0-7, COM8-15 /dev/ttyACM0-7 and COM16-23 /dev/ttyS0-7.
// False when the name has no place or the path does not fit in `size` bytes.
bool PortPathFor(const char* deviceName, char* path, size_t size);

}  // namespace vci
