#include "ParameterImage.h"

namespace veltrix::protocol {

uint8_t ParameterChecksum(const uint8_t* image, size_t length) {
    uint8_t sum = 0;
    for (size_t offset = 1; offset < length; ++offset) {
        sum = static_cast<uint8_t>(sum + (image[offset] & 0x0F) + (image[offset] >> 4));
    }
    return static_cast<uint8_t>(sum ^ 0xFF);
}

bool CheckParameterChecksum(const uint8_t* image, size_t length) {
    return length > 0 && ParameterChecksum(image, length) == image[0];
}

}  // namespace veltrix::protocol
