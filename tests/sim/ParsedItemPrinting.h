// Readable failure messages for what the simulator's parser makes of its input.
#pragma once

#include <ostream>
#include <variant>

#include "RequestParser.h"

namespace veltrix::sim {

inline void PrintTo(const ParsedItem& item, std::ostream* out) {
    std::visit(
        [out](const auto& parsed) {
            using Kind = std::decay_t<decltype(parsed)>;
            if constexpr (std::is_same_v<Kind, ReadRequest>) {
                *out << "read request, page " << int{parsed.pageIndex};
            } else if constexpr (std::is_same_v<Kind, WriteRequest>) {
                *out << "write request, page " << int{parsed.pageIndex} << ", checksum "
                     << int{parsed.image[0]};
            } else if constexpr (std::is_same_v<Kind, RejectedWrite>) {
                *out << "rejected write, page " << int{parsed.pageIndex};
            } else {
                *out << "ignored " << parsed.count << " bytes";
            }
        },
        item);
}

}  // namespace veltrix::sim
