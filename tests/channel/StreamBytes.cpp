#include "StreamBytes.h"

#include "vci.h"

namespace veltrix::test {

std::vector<uint8_t> StreamBytes(int64_t stream, uint64_t first, uint64_t count) {
    std::vector<uint8_t> bytes(count);
    for (uint64_t i = 0; i < count; ++i) {
        bytes[i] = StreamByte(stream, first + i);
    }
    return bytes;
}

uint32_t StreamCheck::TakeFrom(int32_t channel, uint32_t maxCount) {
    std::vector<uint32_t> values(maxCount);
    const uint32_t taken = VCI_ReadDevice(channel, 0, values.data(), maxCount, 0);
    for (uint32_t i = 0; i < taken; ++i, ++received_) {
        if (!firstWrong_ && values[i] != StreamByte(stream_, received_)) {
            firstWrong_ = received_;
        }
    }
    return taken;
}

}  // namespace veltrix::test
