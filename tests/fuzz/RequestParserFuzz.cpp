// The simulator's stream parser on any bytes, in any pieces, with the line going quiet anywhere.
// Walking the stream along the items it reports, every byte is accounted for, each request is
// where it says, and no ignored byte begins a request that was complete before the line went
// quiet; it never holds a whole request's worth of bytes.
//
// Input: pieces, each a length byte and that many bytes of the stream (fewer at the end); the
// length 0xFF instead means that the line went quiet there.
#include <algorithm>
#include <array>
#include <span>
#include <variant>
#include <vector>

#include "FuzzTarget.h"
#include "RequestParser.h"
#include "Requests.h"

namespace {

using namespace veltrix::protocol;
using namespace veltrix::sim;
using veltrix::fuzz::Require;

constexpr uint8_t kLineQuiet = 0xFF;

struct Stream {
    std::vector<uint8_t> bytes;
    std::vector<size_t> quietAt;  // stream offsets where the line went quiet, the end included
    std::vector<ParsedItem> items;
};

bool IsAt(const Stream& stream, size_t at, const std::array<uint8_t, 2>& mark) {
    return stream.bytes[at] == mark[0] && at + 1 < stream.bytes.size() &&
           stream.bytes[at + 1] == mark[1];
}

// True when the bytes from `at` hold a whole request before the line next goes quiet.
bool CompleteRequestAt(const Stream& stream, size_t at, size_t quiet) {
    return (IsAt(stream, at, READ_REQUEST_MARK) && at + READ_REQUEST_SIZE <= quiet) ||
           (IsAt(stream, at, WRITE_REQUEST_MARK) && at + WRITE_REQUEST_SIZE <= quiet);
}

Stream Parse(std::span<const uint8_t> input) {
    Stream stream;
    RequestParser parser;
    const auto keep = [&](const std::vector<ParsedItem>& items) {
        stream.items.insert(stream.items.end(), items.begin(), items.end());
    };
    const auto lineQuiet = [&] {
        stream.quietAt.push_back(stream.bytes.size());
        keep(parser.Expire());
        Require(parser.HeldBytes() == 0, "nothing is held once the line went quiet");
    };
    while (!input.empty()) {
        const uint8_t length = input[0];
        input = input.subspan(1);
        if (length == kLineQuiet) {
            lineQuiet();
            continue;
        }
        const auto piece = input.first(std::min<size_t>(length, input.size()));
        input = input.subspan(piece.size());
        stream.bytes.insert(stream.bytes.end(), piece.begin(), piece.end());
        keep(parser.Feed(piece));
        Require(parser.HeldBytes() < WRITE_REQUEST_SIZE, "less than a whole request is held");
    }
    lineQuiet();
    return stream;
}

// Checks the item at `at` against the bytes there and returns how many bytes it took.
size_t CheckItem(const Stream& stream, const ParsedItem& item, size_t at, size_t quiet) {
    const uint8_t* bytes = stream.bytes.data() + at;
    if (const auto* read = std::get_if<ReadRequest>(&item)) {
        Require(at + READ_REQUEST_SIZE <= quiet && IsAt(stream, at, READ_REQUEST_MARK) &&
                    read->pageIndex == bytes[REQUEST_PAGE_OFFSET] &&
                    read->filler == bytes[READ_REQUEST_SIZE - 1],
                "a read request is where it is reported");
        return READ_REQUEST_SIZE;
    }
    if (const auto* write = std::get_if<WriteRequest>(&item)) {
        Require(at + WRITE_REQUEST_SIZE <= quiet && IsAt(stream, at, WRITE_REQUEST_MARK) &&
                    write->pageIndex == bytes[REQUEST_PAGE_OFFSET] &&
                    std::equal(write->image.Data(), write->image.Data() + PARAMETER_IMAGE_SIZE,
                               bytes + REQUEST_IMAGE_OFFSET) &&
                    CheckParameterChecksum(write->image.Data(), PARAMETER_IMAGE_SIZE),
                "a write request is where it is reported, with a right checksum");
        return WRITE_REQUEST_SIZE;
    }
    if (const auto* rejected = std::get_if<RejectedWrite>(&item)) {
        const uint8_t* image = bytes + REQUEST_IMAGE_OFFSET;
        Require(at + WRITE_REQUEST_SIZE <= quiet && IsAt(stream, at, WRITE_REQUEST_MARK) &&
                    rejected->pageIndex == bytes[REQUEST_PAGE_OFFSET] &&
                    rejected->checksum == image[0] &&
                    rejected->expected == ParameterChecksum(image, PARAMETER_IMAGE_SIZE) &&
                    rejected->checksum != rejected->expected,
                "a rejected write is where it is reported, with a wrong checksum");
        // The search goes on from the byte after the mark's first.
        return 1;
    }
    const size_t count = std::get<IgnoredBytes>(item).count;
    Require(count > 0 && at + count <= quiet, "ignored bytes are there");
    for (size_t each = at; each < at + count; ++each) {
        Require(!CompleteRequestAt(stream, each, quiet), "no whole request is ignored");
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Stream stream = Parse({data, size});
    size_t at = 0;
    size_t quiet = 0;  // index into stream.quietAt of the next quiet point after `at`
    for (const ParsedItem& item : stream.items) {
        while (stream.quietAt[quiet] <= at) {
            ++quiet;
            Require(quiet < stream.quietAt.size(), "no item after the line's last quiet point");
        }
        at += CheckItem(stream, item, at, stream.quietAt[quiet]);
    }
    Require(at == stream.bytes.size(), "every byte is accounted for");
    return 0;
}
