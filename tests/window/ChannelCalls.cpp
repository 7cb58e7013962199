#include "ChannelCalls.h"

#include <cstdint>

extern "C" {
int32_t __real_VCI_OpenDevice(int32_t channel);
int32_t __real_VCI_CloseDevice(int32_t channel);

int32_t __wrap_VCI_OpenDevice(int32_t channel) {
    const int32_t opened = __real_VCI_OpenDevice(channel);
    veltrix::test::ChannelCalls().push_back("open " + std::to_string(channel) + " -> " +
                                            std::to_string(opened));
    return opened;
}

int32_t __wrap_VCI_CloseDevice(int32_t channel) {
    veltrix::test::ChannelCalls().push_back("close " + std::to_string(channel));
    return __real_VCI_CloseDevice(channel);
}
}

namespace veltrix::test {

std::vector<std::string>& ChannelCalls() {
    static std::vector<std::string> calls;
    return calls;
}

}  // namespace veltrix::test
