// Every VCI_OpenDevice and VCI_CloseDevice call of the program, oldest first, as "open 3 -> 1"
// and "close 3". The program is linked with --wrap for both functions, so each call passes
// through here on its way to the channel layer.
#pragma once

#include <string>
#include <vector>

namespace veltrix::test {

std::vector<std::string>& ChannelCalls();

}  // namespace veltrix::test
