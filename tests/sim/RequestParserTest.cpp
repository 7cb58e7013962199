// The simulator's parser on requests in one piece, in many pieces, run together, among noise.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "DeviceModel.h"
#include "ParsedItemPrinting.h"
#include "Requests.h"

namespace veltrix::sim {
namespace {

using namespace protocol;
using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes left, const Bytes& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

template <size_t N>
Bytes Of(const std::array<uint8_t, N>& frame) {
    return {frame.begin(), frame.end()};
}

std::vector<ParsedItem> FeedAll(RequestParser& parser, const std::vector<Bytes>& pieces) {
    std::vector<ParsedItem> items;
    for (const Bytes& piece : pieces) {
        const auto found = parser.Feed(piece);
        items.insert(items.end(), found.begin(), found.end());
    }
    return items;
}

class RequestParserTest : public ::testing::Test {
  protected:
    const ParameterImage image_ = FactoryImage();
    const Bytes requests_ =
        Of(MakeReadRequest(0)) + Of(MakeWriteRequest(2, image_)) + Of(MakeReadRequest(7));
    const std::vector<ParsedItem> expected_ = {ReadRequest{0, READ_REQUEST_FILLER},
                                               WriteRequest{2, image_},
                                               ReadRequest{7, READ_REQUEST_FILLER}};
};

TEST_F(RequestParserTest, RequestsRunTogetherInOnePieceComeOutInOrder) {
    RequestParser parser;
    EXPECT_EQ(parser.Feed(requests_), expected_);
    EXPECT_EQ(parser.HeldBytes(), 0u);
}

TEST_F(RequestParserTest, RequestsSplitAnywhereComeOutTheSame) {
    for (size_t split = 0; split <= requests_.size(); ++split) {
        RequestParser parser;
        const Bytes first(requests_.begin(), requests_.begin() + split);
        const Bytes second(requests_.begin() + split, requests_.end());
        EXPECT_EQ(FeedAll(parser, {first, second}), expected_) << "split at " << split;
    }
    std::vector<Bytes> singleBytes;
    for (uint8_t byte : requests_) {
        singleBytes.push_back({byte});
    }
    RequestParser parser;
    EXPECT_EQ(FeedAll(parser, singleBytes), expected_);
}

TEST_F(RequestParserTest, NoiseAndHalfMarksAroundRequestsAreIgnored) {
    const Bytes stream = Bytes{0x00, 0xCC, 0x01, 0xAA, 0xAA} + Of(MakeReadRequest(1)) +
                         Bytes{0xDD, 0xBB, 0xCC} + Of(MakeWriteRequest(0, image_)) + Bytes{0xBB};
    RequestParser parser;
    EXPECT_EQ(parser.Feed(stream),
              (std::vector<ParsedItem>{IgnoredBytes{5}, ReadRequest{1, READ_REQUEST_FILLER},
                                       IgnoredBytes{3}, WriteRequest{0, image_}, IgnoredBytes{1}}));
}

TEST_F(RequestParserTest, WriteWithAWrongChecksumIsRejectedAndTheSearchGoesOnInsideIt) {
    // A stray mark just before a real write makes a frame whose checksum cannot hold.
    const Bytes stream = Bytes{0xAA, 0xBB} + Of(MakeWriteRequest(0, image_));
    RequestParser parser;
    const auto items = parser.Feed(stream);
    ASSERT_EQ(items.size(), 3u);
    ASSERT_TRUE(std::holds_alternative<RejectedWrite>(items[0]));
    EXPECT_EQ(std::get<RejectedWrite>(items[0]).pageIndex, 0xAA);
    EXPECT_EQ(std::get<RejectedWrite>(items[0]).checksum, 0xBB);
    EXPECT_EQ(items[1], ParsedItem{IgnoredBytes{1}});
    EXPECT_EQ(items[2], (ParsedItem{WriteRequest{0, image_}}));

    ParameterImage corrupt = image_;
    corrupt[100] ^= 0x01;
    EXPECT_EQ(parser.Feed(Of(MakeWriteRequest(0, corrupt))).front(),
              (ParsedItem{RejectedWrite{0, image_[0], ParameterChecksum(corrupt.Data(), 240)}}));
}

TEST_F(RequestParserTest, UnfinishedRequestIsHeldUntilTheLineGoesQuiet) {
    const Bytes unfinished = Of(MakeWriteRequest(0, image_));
    RequestParser parser;
    EXPECT_TRUE(
        parser.Feed(Bytes(unfinished.begin(), unfinished.begin() + 13) + Of(MakeReadRequest(4)))
            .empty());
    EXPECT_EQ(parser.HeldBytes(), 17u);
    EXPECT_EQ(parser.Expire(),
              (std::vector<ParsedItem>{IgnoredBytes{13}, ReadRequest{4, READ_REQUEST_FILLER}}));
    EXPECT_EQ(parser.HeldBytes(), 0u);
    EXPECT_EQ(parser.Feed(Of(MakeReadRequest(5))),
              (std::vector<ParsedItem>{ReadRequest{5, READ_REQUEST_FILLER}}));
}

// Every byte is accounted for exactly once, whatever comes: as part of a request, as ignored,
// as the mark of a rejected write, or as held for later.
TEST_F(RequestParserTest, AnyBytesInAnyPiecesAreAccountedForAndHoldingStaysBounded) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<size_t> pieceSize(0, 600);
    // Marks are made common, so that false and real frames both turn up often.
    const Bytes common = {0xAA, 0xBB, 0xCC, 0xDD};
    RequestParser parser;
    size_t fed = 0;
    size_t accounted = 0;
    for (int round = 0; round < 2000; ++round) {
        Bytes piece(pieceSize(random));
        for (uint8_t& value : piece) {
            const int drawn = byte(random);
            value = drawn < 128 ? common[drawn % 4] : static_cast<uint8_t>(drawn);
        }
        if (round % 50 == 0) {
            piece = piece + requests_;
        }
        fed += piece.size();
        auto items = parser.Feed(piece);
        if (round % 97 == 0) {
            const auto expired = parser.Expire();
            items.insert(items.end(), expired.begin(), expired.end());
        }
        for (const ParsedItem& item : items) {
            accounted += std::visit(
                [](const auto& parsed) -> size_t {
                    using Kind = std::decay_t<decltype(parsed)>;
                    if constexpr (std::is_same_v<Kind, ReadRequest>) {
                        return READ_REQUEST_SIZE;
                    } else if constexpr (std::is_same_v<Kind, WriteRequest>) {
                        return WRITE_REQUEST_SIZE;
                    } else if constexpr (std::is_same_v<Kind, RejectedWrite>) {
                        return 1;
                    } else {
                        return parsed.count;
                    }
                },
                item);
        }
        ASSERT_LT(parser.HeldBytes(), WRITE_REQUEST_SIZE);
        ASSERT_EQ(accounted + parser.HeldBytes(), fed) << "round " << round;
    }
}

}  // namespace
}  // namespace veltrix::sim
