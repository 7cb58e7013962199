#include "Requests.h"

#include <algorithm>

namespace veltrix::protocol {

std::array<uint8_t, READ_REQUEST_SIZE> MakeReadRequest(uint8_t pageIndex) {
    return {READ_REQUEST_MARK[0], READ_REQUEST_MARK[1], pageIndex, READ_REQUEST_FILLER};
}

std::array<uint8_t, WRITE_REQUEST_SIZE> MakeWriteRequest(uint8_t pageIndex,
                                                         const ParameterImage& image) {
    std::array<uint8_t, WRITE_REQUEST_SIZE> request{};
    request[0] = WRITE_REQUEST_MARK[0];
    request[1] = WRITE_REQUEST_MARK[1];
    request[REQUEST_PAGE_OFFSET] = pageIndex;
    std::copy_n(image.Data(), PARAMETER_IMAGE_SIZE, request.begin() + REQUEST_IMAGE_OFFSET);
    return request;
}

}  // namespace veltrix::protocol
