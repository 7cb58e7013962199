// Byte streams for the stress tests: pseudo-random, every byte value, different on every channel.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace veltrix::test {

// Byte `index` of the stream named `stream` (a channel number, or any other number).
inline uint8_t StreamByte(int64_t stream, uint64_t index) {
    uint64_t mixed =
        index * 0x9E3779B97F4A7C15u + static_cast<uint64_t>(stream) * 0xBF58476D1CE4E5B9u;
    mixed ^= mixed >> 31;
    mixed *= 0x94D049BB133111EBu;
    mixed ^= mixed >> 29;
    return static_cast<uint8_t>(mixed);
}

// Bytes `first` to `first + count - 1` of a stream.
std::vector<uint8_t> StreamBytes(int64_t stream, uint64_t first, uint64_t count);

// Takes what waits on a channel and checks that it continues the expected stream, none missing.
class StreamCheck {
  public:
    explicit StreamCheck(int64_t stream) : stream_(stream) {}
    // One VCI_ReadDevice of up to `maxCount` bytes; the number taken.
    uint32_t TakeFrom(int32_t channel, uint32_t maxCount = 4096);
    uint64_t Received() const { return received_; }
    // Where the first byte that broke the stream arrived, if one did.
    std::optional<uint64_t> FirstWrong() const { return firstWrong_; }

  private:
    int64_t stream_;
    uint64_t received_ = 0;
    std::optional<uint64_t> firstWrong_;
};

}  // namespace veltrix::test
