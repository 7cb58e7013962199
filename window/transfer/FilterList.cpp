#include "FilterList.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "Identifiers.h"
#include "SettingsItems.h"
#include "TextConversions.h"

namespace window::transfer {

namespace {

using namespace veltrix::protocol;

constexpr uint8_t STANDARD_FRAME = 0;
constexpr uint8_t EXTENDED_FRAME = 1;

// Row captions and the port each stores; the first caption of a port is the one a load shows.
struct PortCaption {
    std::string_view caption;
    uint8_t port;
};
constexpr std::array<PortCaption, 6> PORT_CAPTIONS = {{
    {"CAN0", 0},
    {"CAN1", 1},
    {"CAN2", 2},
    {"CAN3", 3},
    {"Fiber0", 2},
    {"Fiber1", 3},
}};
// Stored for a caption that names no port.
constexpr uint8_t UNKNOWN_CAPTION_PORT = 0;

std::string CaptionOf(uint8_t port) {
    const auto found = std::find_if(PORT_CAPTIONS.begin(), PORT_CAPTIONS.end(),
                                    [port](const PortCaption& each) { return each.port == port; });
    return found != PORT_CAPTIONS.end() ? std::string(found->caption) : std::string();
}

uint8_t PortOf(const std::string& caption) {
    const auto found =
        std::find_if(PORT_CAPTIONS.begin(), PORT_CAPTIONS.end(),
                     [&caption](const PortCaption& each) { return each.caption == caption; });
    return found != PORT_CAPTIONS.end() ? found->port : UNKNOWN_CAPTION_PORT;
}

// The count an image states, limited to the entries it holds.
size_t HeldEntries(const ParameterImage& image) {
    return std::min<size_t>(image.Get(field::FilterCount), FILTER_SLOTS);
}

}  // namespace

FilterList LoadFilterList(const ParameterImage& image) {
    FilterList filters{image.Get(field::FilterEnable) != 0, {}};
    for (size_t i = 0; i < HeldEntries(image); ++i) {
        filters.entries.push_back({
            CaptionOf(image.Get(field::FilterPort[i])),
            FILTER_FRAME_TYPE_ITEMS[image.Get(field::FilterFrameType[i]) == STANDARD_FRAME ? 0 : 1],
            PrefixedHex8(image.Get(field::FilterStartID[i])),
            PrefixedHex8(image.Get(field::FilterEndID[i])),
        });
    }
    return filters;
}

std::optional<std::string> FilterCountWarning(const ParameterImage& image) {
    const unsigned stated = image.Get(field::FilterCount);
    if (stated <= FILTER_SLOTS) {
        return std::nullopt;
    }
    const std::string slots = std::to_string(FILTER_SLOTS);
    return "The device reported " + std::to_string(stated) +
           " filters, but its parameters have room for " + slots + ": only the first " + slots +
           " were loaded.";
}

void StoreFilterList(const FilterList& filters, ParameterImage& image) {
    image.Set(field::FilterEnable, filters.enabled ? 1 : 0);
    for (size_t i = 0; i < filters.entries.size(); ++i) {
        const FilterEntry& entry = filters.entries[i];
        image.Set(field::FilterPort[i], PortOf(entry.port));
        image.Set(field::FilterFrameType[i],
                  entry.frameType == FILTER_FRAME_TYPE_ITEMS[0] ? STANDARD_FRAME : EXTENDED_FRAME);
        image.Set(field::FilterStartID[i],
                  static_cast<uint32_t>(platform::StrToInt(entry.startId)));
        image.Set(field::FilterEndID[i], static_cast<uint32_t>(platform::StrToInt(entry.endId)));
    }
    image.Set(field::FilterCount, static_cast<uint8_t>(filters.entries.size()));
}

}  // namespace window::transfer
