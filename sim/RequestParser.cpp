#include "RequestParser.h"

#include <algorithm>

#include "Requests.h"

namespace veltrix::sim {

namespace {

using namespace protocol;

enum class Match { None, Unfinished, Read, Write, BadWrite };

struct Candidate {
    Match match;
    size_t size;  // bytes the request takes
};

// What the bytes from `at` on hold, judged by their first bytes.
Candidate MatchAt(const uint8_t* at, size_t available) {
    const bool read = at[0] == READ_REQUEST_MARK[0];
    if (!read && at[0] != WRITE_REQUEST_MARK[0]) {
        return {Match::None, 0};
    }
    const auto& mark = read ? READ_REQUEST_MARK : WRITE_REQUEST_MARK;
    const size_t size = read ? READ_REQUEST_SIZE : WRITE_REQUEST_SIZE;
    if (available < mark.size()) {
        return {Match::Unfinished, size};
    }
    if (at[1] != mark[1]) {
        return {Match::None, 0};
    }
    if (available < size) {
        return {Match::Unfinished, size};
    }
    if (read) {
        return {Match::Read, size};
    }
    const bool intact = CheckParameterChecksum(at + REQUEST_IMAGE_OFFSET, PARAMETER_IMAGE_SIZE);
    return {intact ? Match::Write : Match::BadWrite, size};
}

WriteRequest WriteRequestAt(const uint8_t* at) {
    WriteRequest request{at[REQUEST_PAGE_OFFSET], {}};
    std::copy_n(at + REQUEST_IMAGE_OFFSET, PARAMETER_IMAGE_SIZE, request.image.Data());
    return request;
}

}  // namespace

std::vector<ParsedItem> RequestParser::Feed(std::span<const uint8_t> bytes) {
    held_.insert(held_.end(), bytes.begin(), bytes.end());
    return Scan(false);
}

std::vector<ParsedItem> RequestParser::Expire() {
    return Scan(true);
}

std::vector<ParsedItem> RequestParser::Scan(bool inputEnded) {
    std::vector<ParsedItem> items;
    size_t ignored = 0;
    const auto reportIgnored = [&] {
        if (ignored > 0) {
            items.emplace_back(IgnoredBytes{ignored});
            ignored = 0;
        }
    };

    size_t next = 0;
    while (next < held_.size()) {
        const uint8_t* at = held_.data() + next;
        const Candidate candidate = MatchAt(at, held_.size() - next);
        if (candidate.match == Match::Unfinished && !inputEnded) {
            break;
        }
        if (candidate.match == Match::Read || candidate.match == Match::Write) {
            reportIgnored();
            if (candidate.match == Match::Read) {
                items.emplace_back(ReadRequest{at[REQUEST_PAGE_OFFSET], at[READ_REQUEST_SIZE - 1]});
            } else {
                items.emplace_back(WriteRequestAt(at));
            }
            next += candidate.size;
            continue;
        }
        if (candidate.match == Match::BadWrite) {
            reportIgnored();
            const uint8_t* image = at + REQUEST_IMAGE_OFFSET;
            items.emplace_back(RejectedWrite{at[REQUEST_PAGE_OFFSET], image[0],
                                             ParameterChecksum(image, PARAMETER_IMAGE_SIZE)});
        } else {
            ++ignored;
        }
        // Not a request here: the search goes on from the next byte.
        ++next;
    }
    reportIgnored();
    held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(next));
    return items;
}

}  // namespace veltrix::sim
