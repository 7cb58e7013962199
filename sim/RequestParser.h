// The device's reading of its input: a byte stream in, requests out. No I/O and no clock, so it
// can take any buffer, from a test or a fuzzer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "ParameterImage.h"

namespace veltrix::sim {

struct ReadRequest {
    uint8_t pageIndex;
    uint8_t filler;  // the fourth byte, which means nothing
    bool operator==(const ReadRequest&) const = default;
};

struct WriteRequest {
    uint8_t pageIndex;
    protocol::ParameterImage image;
    bool operator==(const WriteRequest&) const = default;
};

// A complete write request whose image fails its checksum: line noise, or a mark that was none.
struct RejectedWrite {
    uint8_t pageIndex;
    uint8_t checksum;  // as received
    uint8_t expected;  // as computed over the received image
    bool operator==(const RejectedWrite&) const = default;
};

// Bytes that begin no request, counted in a row.
struct IgnoredBytes {
    size_t count;
    bool operator==(const IgnoredBytes&) const = default;
};

using ParsedItem = std::variant<ReadRequest, WriteRequest, RejectedWrite, IgnoredBytes>;

// Finds requests wherever they start: bytes before a mark are ignored, a request may come in any
// number of pieces, and one piece may hold several requests. After a rejected write the search
// goes on from the byte after its mark, so a real request inside it is still found. At most one
// unfinished request is held (fewer than 243 bytes).
class RequestParser {
  public:
    // Everything the new bytes complete, in the order the bytes came.
    std::vector<ParsedItem> Feed(std::span<const uint8_t> bytes);
    // The line went quiet, so an unfinished request will never finish: gives it up and returns
    // what the held bytes hold without it. Nothing is held afterwards.
    std::vector<ParsedItem> Expire();

    size_t HeldBytes() const { return held_.size(); }

  private:
    std::vector<ParsedItem> Scan(bool inputEnded);

    std::vector<uint8_t> held_;
};

}  // namespace veltrix::sim
