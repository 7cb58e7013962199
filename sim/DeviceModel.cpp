#include "DeviceModel.h"

#include <algorithm>
#include <cstdio>

#include "Requests.h"
#include "Wording.h"

namespace veltrix::sim {

namespace {

using namespace protocol;

// Bytes before this are the device's own: checksum and identity. A write never changes them.
constexpr size_t FIRST_SETTING = field::Reserved15.offset;

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without deduction from aggregate initialisation (clang 14).
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// Bytes that look like nothing in particular, the same every time.
std::vector<uint8_t> Noise(size_t count) {
    std::vector<uint8_t> bytes(count);
    uint32_t state = 0x2545F491;
    for (uint8_t& byte : bytes) {
        state = state * 1664525 + 1013904223;
        byte = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

}  // namespace

ParameterImage FactoryImage() {
    using namespace field;
    ParameterImage image;
    image.Set(VendorID, 0x5654);
    image.Set(ProductType, 0x0700);
    image.Set(HardwareVersion, 110);
    image.Set(FirmwareVersion, 213);
    const uint8_t serialNumber[] = {0x24, 0x07, 0x1A, 0x03};
    for (size_t i = 0; i < SerialNumber.count; ++i) {
        image.Set(SerialNumber[i], serialNumber[i]);
    }
    image.Set(RouteCANToUART, 1);
    image.Set(RouteUARTToCAN, 1);
    image.Set(FixedOne32, 1);
    image.Set(FixedOne33, 1);
    image.Set(FilterEnable, 1);
    image.Set(FilterCount, 2);
    image.Set(FilterPort[0], 0);
    image.Set(FilterFrameType[0], 0);
    image.Set(FilterStartID[0], 0x100);
    image.Set(FilterEndID[0], 0x1FF);
    image.Set(FilterPort[1], 1);
    image.Set(FilterFrameType[1], 1);
    image.Set(FilterStartID[1], 0x18FF0000);
    image.Set(FilterEndID[1], 0x18FF00FF);
    image.Set(UARTMode, 0);           // RS232
    image.Set(UARTBaudrateIndex, 8);  // 115200
    image.Set(UARTDataBitIndex, 1);   // 8
    image.Set(UARTStopBitIndex, 0);   // 1
    image.Set(UARTParityIndex, 0);    // none
    image.Set(FDStandard, 0);
    image.Set(CANType, 0);
    image.Set(CANID, 0x123);
    image.Set(CANFrameType, 0);
    image.Set(BitRateSwitch, 0);
    image.Set(BaudrateCustom, 0);
    image.Set(BaudrateIndexA, 3);  // 500 kbit/s
    image.Set(BaudrateIndexB, 8);  // 500 kbit/s
    image.Set(SwitchMode, 1);      // transparent with identifier
    image.Set(SwitchRoute, 0);     // both ways
    image.Set(CANFrameInfoEnable, 1);
    image.Set(CANIDInfoEnable, 1);
    image.Set(CANIDOffset, 0);
    image.Set(CANIDLen, 2);
    image.Set(UARTFrameInterval, 10);
    image.Set(CANFrameInterval, 5);
    image.Set(Checksum, ParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    return image;
}

DeviceModel::DeviceModel(const ParameterImage& image) : image_(image) {
    RefreshChecksum();
}

Response DeviceModel::Handle(const ParsedItem& item) {
    return std::visit(
        Overloaded{
            [this](const ReadRequest& request) { return Read(request); },
            [this](const WriteRequest& request) { return Write(request); },
            [](const RejectedWrite& rejected) {
                return Response{"write request, page " + std::to_string(rejected.pageIndex) +
                                    ", with a wrong checksum " + Hex(rejected.checksum) +
                                    " (should be " + Hex(rejected.expected) + "): stored nothing",
                                {}};
            },
            [](const IgnoredBytes& ignored) {
                return Response{"ignored " + Bytes(ignored.count) + " outside any request", {}};
            },
        },
        item);
}

Response DeviceModel::Read(const ReadRequest& request) const {
    std::vector<uint8_t> image(image_.Data(), image_.Data() + PARAMETER_IMAGE_SIZE);
    std::string note = "read request, page " + std::to_string(request.pageIndex) +
                       ": replying with the image, checksum " + Hex(image[0]);
    if (faults_.wrongChecksum) {
        image[0] = static_cast<uint8_t>(~image[0]);
        note += " sent as " + Hex(image[0]);
    }
    if (faults_.shortLength && *faults_.shortLength < image.size()) {
        image.resize(*faults_.shortLength);
        note += ", cut to " + Bytes(image.size());
    }
    if (faults_.insertedBytes > 0) {
        const size_t at = std::min(faults_.insertedAt, image.size());
        const std::vector<uint8_t> inserted = Noise(faults_.insertedBytes);
        image.insert(image.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(),
                     inserted.end());
        note +=
            ", with " + Bytes(faults_.insertedBytes) + " of noise after byte " + std::to_string(at);
    }
    std::vector<uint8_t> reply = Noise(faults_.strayBytes);
    reply.insert(reply.end(), image.begin(), image.end());
    const std::vector<uint8_t> extra = Noise(faults_.extraBytes);
    reply.insert(reply.end(), extra.begin(), extra.end());
    if (faults_.strayBytes > 0) {
        note += ", after " + Bytes(faults_.strayBytes) + " of noise";
    }
    if (faults_.extraBytes > 0) {
        note += ", with " + Bytes(faults_.extraBytes) + " of noise after it";
    }

    const size_t onTime =
        std::min(faults_.lateMs > 0 ? faults_.lateFromByte : reply.size(), reply.size());
    Response response{note, {}};
    if (onTime > 0) {
        response.transmissions.push_back(
            {std::chrono::milliseconds(0), {reply.begin(), reply.begin() + onTime}});
    }
    if (onTime < reply.size()) {
        response.transmissions.push_back(
            {std::chrono::milliseconds(faults_.lateMs), {reply.begin() + onTime, reply.end()}});
        response.note += ", " + (onTime > 0 ? "from byte " + std::to_string(onTime) + " on " : "") +
                         std::to_string(faults_.lateMs) + " ms late";
    }
    return response;
}

Response DeviceModel::Write(const WriteRequest& request) {
    Response response{"write request, page " + std::to_string(request.pageIndex) + ": ", {}};
    response.note += faults_.ignoreWrites ? "stored nothing" : Store(request.image);
    if (faults_.newInfoAfterWrite) {
        image_.Set(field::FirmwareVersion,
                   static_cast<uint16_t>(image_.Get(field::FirmwareVersion) + 1));
        response.note += ", firmware version " +
                         std::to_string(image_.Get(field::FirmwareVersion)) + " from now on";
    }
    RefreshChecksum();
    if (faults_.answerWrites) {
        const auto echo = MakeWriteRequest(request.pageIndex, request.image);
        response.transmissions.push_back(
            {std::chrono::milliseconds(0), {echo.begin(), echo.end()}});
        response.note += ", answering with the request itself";
    }
    return response;
}

std::string DeviceModel::Store(const ParameterImage& written) {
    std::copy(written.Data() + FIRST_SETTING, written.Data() + PARAMETER_IMAGE_SIZE,
              image_.Data() + FIRST_SETTING);
    std::string note = "stored the settings (bytes " + std::to_string(FIRST_SETTING) + " to " +
                       std::to_string(PARAMETER_IMAGE_SIZE - 1) + ")";
    const size_t altered = faults_.alterOffset.value_or(0);
    if (altered >= 1 && altered < PARAMETER_IMAGE_SIZE) {
        const uint8_t before = image_[altered];
        image_[altered] = static_cast<uint8_t>(before + 1);
        note += ", but byte " + std::to_string(altered) + " as " + Hex(image_[altered]) +
                " instead of " + Hex(before);
    }
    return note;
}

void DeviceModel::RefreshChecksum() {
    image_.Set(field::Checksum, ParameterChecksum(image_.Data(), PARAMETER_IMAGE_SIZE));
}

}  // namespace veltrix::sim
