#include "BasicInfo.h"

#include "TextConversions.h"

namespace window::transfer {

namespace {

using namespace veltrix::protocol;
using platform::IntToHex;
using platform::IntToStr;

// The model this tool configures; the image does not name it.
constexpr char PRODUCT_CODE[] = "Veltrix-7A";

// The serial number's bytes in image order, two digits each, joined by "-".
std::string SerialNumberText(const ParameterImage& image) {
    std::string text;
    for (size_t i = 0; i < field::SerialNumber.count; ++i) {
        if (i > 0) {
            text += '-';
        }
        text += IntToHex(image.Get(field::SerialNumber[i]), 2);
    }
    return text;
}

}  // namespace

std::array<std::string, BASIC_INFO_PROPERTIES.size()> BasicInfoDescriptions(
    const ParameterImage& image) {
    return {
        "0x" + IntToHex(image.Get(field::VendorID), 4),
        IntToHex(image.Get(field::ProductType), 4) + " Series",
        PRODUCT_CODE,
        IntToStr(image.Get(field::HardwareVersion)),
        IntToStr(image.Get(field::FirmwareVersion)),
        SerialNumberText(image),
    };
}

}  // namespace window::transfer
