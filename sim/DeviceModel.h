// What the simulated Veltrix-7A does with each request, and the faults it can be told to show.
// No I/O and no clock: a reply is a list of timed transmissions for someone else to send.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ParameterImage.h"
#include "RequestParser.h"

namespace veltrix::sim {

// Misbehaviour on demand. The defaults make a faultless device.
struct Faults {
    // Reply late: the reply, from byte lateFromByte on, goes out lateMs after the request.
    uint32_t lateMs = 0;
    size_t lateFromByte = 0;
    // Reply short: only the first N bytes of the image.
    std::optional<size_t> shortLength{};
    // The reply's checksum byte is inverted.
    bool wrongChecksum = false;
    // Noise after the image, and noise before it.
    size_t extraBytes = 0;
    size_t strayBytes = 0;
    // Noise inside the image: insertedBytes of it after the image's first insertedAt bytes.
    size_t insertedBytes = 0;
    size_t insertedAt = protocol::PARAMETER_IMAGE_SIZE / 2;
    // Answer every write request by sending it back.
    bool answerWrites = false;
    // Store nothing of a write.
    bool ignoreWrites = false;
    // Store every write with the byte at this offset (1 to 239) one higher.
    std::optional<size_t> alterOffset{};
    // Report a new firmware version after every write.
    bool newInfoAfterWrite = false;

    bool operator==(const Faults&) const = default;
};

// Bytes to send `delay` after the request came in.
struct Transmission {
    std::chrono::milliseconds delay;
    std::vector<uint8_t> bytes;
};

struct Response {
    std::string note;  // what came in and what the device makes of it, for a human
    std::vector<Transmission> transmissions;
};

// A plausible identity and settings that are valid for every list of the settings pages.
protocol::ParameterImage FactoryImage();

class DeviceModel {
  public:
    // The device keeps the image's checksum right from the start.
    explicit DeviceModel(const protocol::ParameterImage& image);

    Response Handle(const ParsedItem& item);

    const protocol::ParameterImage& Image() const { return image_; }
    void SetFaults(const Faults& faults) { faults_ = faults; }

  private:
    Response Read(const ReadRequest& request) const;
    Response Write(const WriteRequest& request);
    std::string Store(const protocol::ParameterImage& written);
    void RefreshChecksum();

    protocol::ParameterImage image_;
    Faults faults_;
};

}  // namespace veltrix::sim
