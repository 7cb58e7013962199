// The filter list to and from a parameter image: "Filter Enable" and one entry per row.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ParameterImage.h"

namespace window::transfer {

// One row of the filter list: four texts, as the list shows them.
struct FilterEntry {
    std::string port;       // "CAN0" to "CAN3"; "Fiber0" and "Fiber1" name ports 2 and 3 too
    std::string frameType;  // an item of FILTER_FRAME_TYPE_ITEMS
    std::string startId;    // "0x" and 8 hexadecimal digits
    std::string endId;

    bool operator==(const FilterEntry&) const = default;
};

struct FilterList {
    bool enabled = false;
    std::vector<FilterEntry> entries;

    bool operator==(const FilterList&) const = default;
};

// The filter list that `image` holds: at most the FILTER_SLOTS entries it has room for, whatever
// count it states. Ports 0 to 3 get their captions, any other port an empty one. Takes any image
// and never throws.
FilterList LoadFilterList(const veltrix::protocol::ParameterImage& image);

// When `image` states more entries than it has room for: what to tell the user.
std::optional<std::string> FilterCountWarning(const veltrix::protocol::ParameterImage& image);

// Stores the flag, the entries and their count into the filter section of `image`. A caption it
// does not know stores port 0. The identifier texts convert entry by entry, start before end; the
// first that does not convert throws platform::EConvertError. More than FILTER_SLOTS entries
// throw std::out_of_range.
void StoreFilterList(const FilterList& filters, veltrix::protocol::ParameterImage& image);

}  // namespace window::transfer
