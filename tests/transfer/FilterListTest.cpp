// The filter list to and from the image's filter section: captions, frame types, identifiers,
// the count, and what a count beyond the 16 slots does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Exception.h"
#include "FilterList.h"

namespace window::transfer {
namespace {

using namespace veltrix::protocol;

constexpr char STANDARD[] = "Standard Frame";
constexpr char EXTENDED[] = "Extend   Frame";

struct Slot {
    uint8_t port;
    uint8_t frameType;
    uint32_t start;
    uint32_t end;
};

ParameterImage ImageWith(const std::vector<Slot>& slots, uint8_t count, uint8_t enable = 1) {
    ParameterImage image;
    image.Set(field::FilterEnable, enable);
    for (size_t i = 0; i < slots.size(); ++i) {
        image.Set(field::FilterPort[i], slots[i].port);
        image.Set(field::FilterFrameType[i], slots[i].frameType);
        image.Set(field::FilterStartID[i], slots[i].start);
        image.Set(field::FilterEndID[i], slots[i].end);
    }
    image.Set(field::FilterCount, count);
    return image;
}

// Sixteen full slots of every port and frame type, entry i with the identifiers i to i + 0x10.
std::vector<Slot> SixteenSlots() {
    std::vector<Slot> slots;
    for (uint32_t i = 0; i < FILTER_SLOTS; ++i) {
        slots.push_back({static_cast<uint8_t>(i % 4), static_cast<uint8_t>(i % 2), i, i + 0x10});
    }
    return slots;
}

std::string ConversionError(const FilterList& filters) {
    ParameterImage image;
    try {
        StoreFilterList(filters, image);
    } catch (const platform::EConvertError& error) {
        return error.what();
    }
    return "no error";
}

TEST(FilterListLoadTest, EveryPortOfTheDeviceGetsTheCaptionThatStoresItAgain) {
    const ParameterImage image = ImageWith({{0, 0, 0x100, 0x1FF},
                                            {1, 1, 0x18FF0000, 0x18FF00FF},
                                            {2, 0, 0, 0x7FF},
                                            {3, 7, 0xFFFFFFFF, 0xFFFFFFFF},
                                            {4, 0, 1, 2},
                                            {255, 1, 3, 4}},
                                           6);
    const FilterList expected = {true,
                                 {{"CAN0", STANDARD, "0x00000100", "0x000001FF"},
                                  {"CAN1", EXTENDED, "0x18FF0000", "0x18FF00FF"},
                                  {"CAN2", STANDARD, "0x00000000", "0x000007FF"},
                                  {"CAN3", EXTENDED, "0xFFFFFFFF", "0xFFFFFFFF"},
                                  {"", STANDARD, "0x00000001", "0x00000002"},
                                  {"", EXTENDED, "0x00000003", "0x00000004"}}};
    EXPECT_EQ(LoadFilterList(image), expected);
}

TEST(FilterListLoadTest, AnyNonzeroFlagEnablesAndOnlyCountedEntriesAreLoaded) {
    const std::vector<Slot> slots = SixteenSlots();
    EXPECT_FALSE(LoadFilterList(ImageWith(slots, 2, 0)).enabled);
    EXPECT_TRUE(LoadFilterList(ImageWith(slots, 2, 0x80)).enabled);
    EXPECT_EQ(LoadFilterList(ImageWith(slots, 2)).entries.size(), 2u);
    EXPECT_TRUE(LoadFilterList(ImageWith(slots, 0)).entries.empty());
}

TEST(FilterListLoadTest, CountBeyondTheSlotsLoadsTheSixteenHeldAndWarns) {
    const std::vector<Slot> slots = SixteenSlots();
    EXPECT_EQ(FilterCountWarning(ImageWith(slots, 16)), std::nullopt);
    for (const uint8_t count : {17, 40, 255}) {
        SCOPED_TRACE(count);
        const ParameterImage image = ImageWith(slots, count);
        const FilterList filters = LoadFilterList(image);
        ASSERT_EQ(filters.entries.size(), FILTER_SLOTS);
        EXPECT_EQ(filters.entries.back(),
                  (FilterEntry{"CAN3", EXTENDED, "0x0000000F", "0x0000001F"}));
        EXPECT_EQ(FilterCountWarning(image),
                  "The device reported " + std::to_string(count) +
                      " filters, but its parameters have room for 16: only the first 16 were "
                      "loaded.");
    }
}

TEST(FilterListStoreTest, CaptionsFrameTypesAndIdentifiersBecomeTheirBytes) {
    const FilterList filters = {true,
                                {{"CAN0", STANDARD, "0x00000100", "0x000001FF"},
                                 {"CAN1", EXTENDED, "0x18FF0000", "0x18FF00FF"},
                                 {"CAN2", STANDARD, "0x00000000", "0x00000000"},
                                 {"CAN3", STANDARD, "0x00000000", "0x00000000"},
                                 {"Fiber0", STANDARD, "0x00000000", "0x00000000"},
                                 {"Fiber1", "standard frame", "0x00000000", "0x00000000"},
                                 {"can1", EXTENDED, "0x00000000", "0x00000000"},
                                 {"", STANDARD, "0xFFFFFFFF", "0x80000000"}}};
    ParameterImage image;
    StoreFilterList(filters, image);
    EXPECT_EQ(image.Get(field::FilterEnable), 1);
    EXPECT_EQ(image.Get(field::FilterCount), 8);
    const uint8_t ports[] = {0, 1, 2, 3, 2, 3, 0, 0};
    const uint8_t frameTypes[] = {0, 1, 0, 0, 0, 1, 1, 0};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(image.Get(field::FilterPort[i]), ports[i]) << i;
        EXPECT_EQ(image.Get(field::FilterFrameType[i]), frameTypes[i]) << i;
    }
    // Identifiers are stored most significant byte first.
    EXPECT_EQ(image[68], 0x00);
    EXPECT_EQ(image[70], 0x01);
    EXPECT_EQ(image.Get(field::FilterEndID[1]), 0x18FF00FFu);
    EXPECT_EQ(image.Get(field::FilterStartID[7]), 0xFFFFFFFFu);
    EXPECT_EQ(image.Get(field::FilterEndID[7]), 0x80000000u);
}

TEST(FilterListStoreTest, AnEmptyListStoresCountZeroAndLeavesEverySlotZero) {
    ParameterImage image;
    StoreFilterList({false, {}}, image);
    EXPECT_EQ(image, ParameterImage{});
}

TEST(FilterListStoreTest, IdentifierTextsConvertStartBeforeEndRowByRow) {
    FilterList filters = {false,
                          {{"CAN1", STANDARD, "0x00000001", "0x00000002"},
                           {"CAN1", STANDARD, "0xG", "0xH"},
                           {"CAN1", STANDARD, "0xI", "0xJ"}}};
    EXPECT_EQ(ConversionError(filters), "'0xG' is not a valid integer value");
    filters.entries[1].startId = "0x10";
    EXPECT_EQ(ConversionError(filters), "'0xH' is not a valid integer value");
    filters.entries[1].endId = "";
    EXPECT_EQ(ConversionError(filters), "'' is not a valid integer value");
}

TEST(FilterListStoreTest, MoreEntriesThanSlotsAreRefused) {
    FilterList filters = {
        true, std::vector<FilterEntry>(FILTER_SLOTS + 1, {"CAN1", STANDARD, "0x1", "0x2"})};
    ParameterImage image;
    EXPECT_THROW(StoreFilterList(filters, image), std::out_of_range);
}

TEST(FilterListRoundTripTest, ReadingAndWritingBackKeepsEveryEntryOfEveryPort) {
    const ParameterImage image = ImageWith(SixteenSlots(), 16);
    ParameterImage written;
    StoreFilterList(LoadFilterList(image), written);
    EXPECT_EQ(written, image);
}

}  // namespace
}  // namespace window::transfer
