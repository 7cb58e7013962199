// The settings pages to and from an image: every field of the map in both directions, the edge
// cases of loading and building, the order of the text conversions, and images of any content.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BasicInfo.h"
#include "Exception.h"
#include "FilterList.h"
#include "SettingsTransfer.h"

namespace window::transfer {
namespace {

using namespace veltrix::protocol;

// Different from the window's defaults in every field that can differ.
ParameterImage DeviceImage() {
    using namespace field;
    ParameterImage image;
    image.Set(RouteCANToUART, 0);
    image.Set(RouteUARTToCAN, 1);
    image.Set(FixedOne32, 1);
    image.Set(FixedOne33, 1);
    image.Set(UARTMode, 1);
    image.Set(UARTBaudrateIndex, 11);
    image.Set(UARTDataBitIndex, 0);
    image.Set(UARTStopBitIndex, 1);
    image.Set(UARTParityIndex, 2);
    image.Set(FDStandard, 0);
    image.Set(CANType, 1);
    image.Set(CANID, 0x1ABCDEF0);
    image.Set(CANFrameType, 1);
    image.Set(BitRateSwitch, 1);
    image.Set(BaudrateIndexA, 7);
    image.Set(BaudrateIndexB, 12);
    image.Set(SwitchMode, 2);
    image.Set(SwitchRoute, 1);
    image.Set(CANFrameInfoEnable, 1);
    image.Set(CANIDOffset, 5);
    image.Set(CANIDLen, 3);
    image.Set(UARTFrameInterval, 250);
    image.Set(CANFrameInterval, 70000);
    return image;
}

// DeviceImage() as the settings pages show it, over the window's defaults.
const Settings DEVICE_SETTINGS = {.switchMode = 2,
                                  .switchRoute = 1,
                                  .canIdOffset = 5,
                                  .canIdLen = 2,
                                  .uartFrameInterval = "250",
                                  .canFrameInterval = "70000",
                                  .canFrameInfoEnable = true,
                                  .canIdInfoEnable = false,
                                  .uartBaudrateIndex = 11,
                                  .uartDataBitIndex = 0,
                                  .uartMode = 1,
                                  .uartStopBitIndex = 1,
                                  .uartParityIndex = 2,
                                  .fdStandard = 0,
                                  .canType = 1,
                                  .canFrameType = 1,
                                  .bitRateSwitch = 1,
                                  .canId = "1ABCDEF0",
                                  .baudrateIndexA = 7,
                                  .baudrateIndexB = 12};

std::string ConversionError(const Settings& settings) {
    try {
        BuildSettingsImage(settings);
    } catch (const platform::EConvertError& error) {
        return error.what();
    }
    return "no error";
}

TEST(SettingsLoadTest, EveryFieldReachesItsControl) {
    EXPECT_EQ(LoadSettings(DeviceImage(), Settings{}), DEVICE_SETTINGS);
}

TEST(SettingsBuildTest, EveryControlReachesItsFieldAndEveryOtherByteIsFixed) {
    EXPECT_EQ(BuildSettingsImage(DEVICE_SETTINGS), DeviceImage());
}

TEST(SettingsRoundTripTest, ReadingAndWritingBackChangesNoSetting) {
    ParameterImage custom = DeviceImage();
    custom.Set(field::BaudrateCustom, 1);
    custom.Set(field::BaudrateIndexA, 0);
    custom.Set(field::BaudrateIndexB, 0);
    custom.Set(field::BaudrateA, 0x00050B2E);
    custom.Set(field::BaudrateB, 0xFFFFFFFF);
    for (const ParameterImage& image : {DeviceImage(), custom}) {
        EXPECT_EQ(BuildSettingsImage(LoadSettings(image, Settings{})), image);
    }
}

// Every list that holds its position, with the number of items the pages give it.
struct ListField {
    const char* name;
    Field<uint8_t> field;
    int Settings::*position;
    int items;
};
const ListField LISTS[] = {
    {"SwitchMode", field::SwitchMode, &Settings::switchMode, 3},
    {"SwitchRoute", field::SwitchRoute, &Settings::switchRoute, 3},
    {"CANIDOffset", field::CANIDOffset, &Settings::canIdOffset, 8},
    {"UARTMode", field::UARTMode, &Settings::uartMode, 3},
    {"UARTBaudrateIndex", field::UARTBaudrateIndex, &Settings::uartBaudrateIndex, 12},
    {"UARTDataBitIndex", field::UARTDataBitIndex, &Settings::uartDataBitIndex, 2},
    {"UARTStopBitIndex", field::UARTStopBitIndex, &Settings::uartStopBitIndex, 2},
    {"UARTParityIndex", field::UARTParityIndex, &Settings::uartParityIndex, 3},
    {"FDStandard", field::FDStandard, &Settings::fdStandard, 1},
    {"CANType", field::CANType, &Settings::canType, 2},
    {"CANFrameType", field::CANFrameType, &Settings::canFrameType, 2},
    {"BitRateSwitch", field::BitRateSwitch, &Settings::bitRateSwitch, 2},
    {"BaudrateIndexA", field::BaudrateIndexA, &Settings::baudrateIndexA, 15},
    {"BaudrateIndexB", field::BaudrateIndexB, &Settings::baudrateIndexB, 15},
};

TEST(SettingsLoadTest, AByteBeyondItsListLeavesTheListWithoutSelectionAndWritesAs0xFF) {
    for (const ListField& list : LISTS) {
        SCOPED_TRACE(list.name);
        ParameterImage image = DeviceImage();
        image.Set(list.field, static_cast<uint8_t>(list.items - 1));
        EXPECT_EQ(LoadSettings(image, Settings{}).*list.position, list.items - 1);
        for (const int beyond : {list.items, 255}) {
            image.Set(list.field, static_cast<uint8_t>(beyond));
            const Settings loaded = LoadSettings(image, Settings{});
            EXPECT_EQ(loaded.*list.position, NO_SELECTION) << beyond;
            if (list.field.offset != field::CANIDOffset.offset) {
                EXPECT_EQ(BuildSettingsImage(loaded).Get(list.field), 0xFF) << beyond;
            }
        }
    }
}

// What a load makes of one changed field, over settings that already differ from the image.
struct LoadCase {
    const char* name;
    std::function<void(ParameterImage&)> change;
    std::function<void(Settings&)> expect;  // applied to DEVICE_SETTINGS
};

const LoadCase LOAD_CASES[] = {
    {"CANIDLen 0 selects no length", [](ParameterImage& i) { i.Set(field::CANIDLen, 0); },
     [](Settings& s) { s.canIdLen = NO_SELECTION; }},
    {"CANIDLen 1 selects the first length", [](ParameterImage& i) { i.Set(field::CANIDLen, 1); },
     [](Settings& s) { s.canIdLen = 0; }},
    {"CANIDLen 4 selects the last length", [](ParameterImage& i) { i.Set(field::CANIDLen, 4); },
     [](Settings& s) { s.canIdLen = 3; }},
    {"CANIDLen 5 selects no length", [](ParameterImage& i) { i.Set(field::CANIDLen, 5); },
     [](Settings& s) { s.canIdLen = NO_SELECTION; }},
    {"intervals show unsigned",
     [](ParameterImage& i) {
         i.Set(field::UARTFrameInterval, 0xFFFFFFFF);
         i.Set(field::CANFrameInterval, 0x80000000);
     },
     [](Settings& s) {
         s.uartFrameInterval = "4294967295";
         s.canFrameInterval = "2147483648";
     }},
    {"CAN ID shows unmasked whatever the frame type",
     [](ParameterImage& i) {
         i.Set(field::CANID, 0xFFFFFFFF);
         i.Set(field::CANFrameType, 0);
     },
     [](Settings& s) {
         s.canId = "FFFFFFFF";
         s.canFrameType = 0;
     }},
    {"any nonzero byte ticks",
     [](ParameterImage& i) {
         i.Set(field::CANFrameInfoEnable, 0);
         i.Set(field::CANIDInfoEnable, 0x80);
     },
     [](Settings& s) {
         s.canFrameInfoEnable = false;
         s.canIdInfoEnable = true;
     }},
    {"custom bit rates leave the standard lists alone",
     [](ParameterImage& i) {
         i.Set(field::BaudrateCustom, 2);
         i.Set(field::BaudrateA, 0xA);
         i.Set(field::BaudrateB, 0xB0000000);
     },
     [](Settings& s) {
         s.baudrateCustom = true;
         s.baudrateA = "0000000A";
         s.baudrateB = "B0000000";
         s.baudrateIndexA = 9;
         s.baudrateIndexB = 13;
     }},
};

TEST(SettingsLoadTest, EdgeCasesOfLoading) {
    // Settings before the load: the image's in every field but the standard and custom bit rates.
    Settings before = DEVICE_SETTINGS;
    before.baudrateIndexA = 9;
    before.baudrateIndexB = 13;
    before.baudrateA = "12345678";
    before.baudrateB = "text the user left";
    for (const LoadCase& each : LOAD_CASES) {
        SCOPED_TRACE(each.name);
        ParameterImage image = DeviceImage();
        each.change(image);
        Settings expected = DEVICE_SETTINGS;
        expected.baudrateA = before.baudrateA;
        expected.baudrateB = before.baudrateB;
        each.expect(expected);
        EXPECT_EQ(LoadSettings(image, before), expected);
    }
}

// What a build makes of changed settings: bytes to check, or the conversion error instead.
struct BuildCase {
    const char* name;
    std::function<void(Settings&)> change;
    std::function<void(const ParameterImage&)> check;
    std::string error;
};

template <typename T>
std::function<void(const ParameterImage&)> Expect(Field<T> field, uint32_t value) {
    return [field, value](const ParameterImage& image) { EXPECT_EQ(image.Get(field), value); };
}

std::function<void(const ParameterImage&)> ExpectDirections(uint8_t canToUart, uint8_t uartToCan) {
    return [=](const ParameterImage& image) {
        EXPECT_EQ(image.Get(field::RouteCANToUART), canToUart);
        EXPECT_EQ(image.Get(field::RouteUARTToCAN), uartToCan);
    };
}

std::function<void(const ParameterImage&)> ExpectCustom(uint32_t a, uint32_t b, uint8_t indexA,
                                                        uint8_t indexB) {
    return [=](const ParameterImage& image) {
        EXPECT_EQ(image.Get(field::BaudrateA), a);
        EXPECT_EQ(image.Get(field::BaudrateB), b);
        EXPECT_EQ(image.Get(field::BaudrateIndexA), indexA);
        EXPECT_EQ(image.Get(field::BaudrateIndexB), indexB);
    };
}

const BuildCase BUILD_CASES[] = {
    {"offset 7", [](Settings& s) { s.canIdOffset = 7; }, Expect(field::CANIDOffset, 7), ""},
    {"length position 3 is length 4", [](Settings& s) { s.canIdLen = 3; },
     Expect(field::CANIDLen, 4), ""},
    {"offset without selection",
     [](Settings& s) { s.canIdOffset = NO_SELECTION; },
     {},
     "'' is not a valid integer value"},
    {"length without selection",
     [](Settings& s) { s.canIdLen = NO_SELECTION; },
     {},
     "'' is not a valid integer value"},
    {"interval -1", [](Settings& s) { s.uartFrameInterval = "-1"; },
     Expect(field::UARTFrameInterval, 0xFFFFFFFF), ""},
    {"interval $10", [](Settings& s) { s.canFrameInterval = "$10"; },
     Expect(field::CANFrameInterval, 16), ""},
    {"interval 0x10", [](Settings& s) { s.uartFrameInterval = "0x10"; },
     Expect(field::UARTFrameInterval, 16), ""},
    {"interval above the signed range",
     [](Settings& s) { s.uartFrameInterval = "4294967295"; },
     {},
     "'4294967295' is not a valid integer value"},
    {"CAN ID of a standard frame",
     [](Settings& s) {
         s.canId = "FFFFFFFF";
         s.canFrameType = 0;
     },
     Expect(field::CANID, 0x7FF), ""},
    {"CAN ID of an extended frame",
     [](Settings& s) {
         s.canId = "FFFFFFFF";
         s.canFrameType = 1;
     },
     Expect(field::CANID, 0x1FFFFFFF), ""},
    {"CAN ID without a frame type",
     [](Settings& s) {
         s.canId = "FFFFFFFF";
         s.canFrameType = NO_SELECTION;
     },
     [](const ParameterImage& image) {
         EXPECT_EQ(image.Get(field::CANID), 0x1FFFFFFFu);
         EXPECT_EQ(image.Get(field::CANFrameType), 0xFF);
     },
     ""},
    {"empty CAN ID", [](Settings& s) { s.canId = ""; }, {}, "'0x' is not a valid integer value"},
    {"custom bit rates",
     [](Settings& s) {
         s.baudrateCustom = true;
         s.baudrateA = "00050B2E";
         s.baudrateB = "ffffffff";
     },
     [](const ParameterImage& image) {
         EXPECT_EQ(image.Get(field::BaudrateCustom), 1);
         ExpectCustom(0x00050B2E, 0xFFFFFFFF, 0, 0)(image);
     },
     ""},
    {"standard bit rates ignore the custom texts",
     [](Settings& s) {
         s.baudrateA = "not hexadecimal";
         s.baudrateB = "";
     },
     ExpectCustom(0, 0, 7, 12), ""},
    {"both directions", [](Settings& s) { s.switchRoute = 0; }, ExpectDirections(1, 1), ""},
    {"serial to CAN only", [](Settings& s) { s.switchRoute = 1; }, ExpectDirections(0, 1), ""},
    {"CAN to serial only", [](Settings& s) { s.switchRoute = 2; }, ExpectDirections(1, 0), ""},
    {"no direction selected", [](Settings& s) { s.switchRoute = NO_SELECTION; },
     ExpectDirections(1, 0), ""},
};

TEST(SettingsBuildTest, EdgeCasesOfBuilding) {
    for (const BuildCase& each : BUILD_CASES) {
        SCOPED_TRACE(each.name);
        Settings settings = DEVICE_SETTINGS;
        each.change(settings);
        if (!each.error.empty()) {
            EXPECT_EQ(ConversionError(settings), each.error);
            continue;
        }
        each.check(BuildSettingsImage(settings));
    }
}

TEST(SettingsBuildTest, TextsConvertInThePagesOrder) {
    Settings settings = DEVICE_SETTINGS;
    settings.canIdOffset = NO_SELECTION;
    settings.canIdLen = NO_SELECTION;
    settings.uartFrameInterval = "u";
    settings.canFrameInterval = "c";
    settings.canId = "i";
    settings.baudrateCustom = true;
    settings.baudrateA = "g";
    settings.baudrateB = "h";
    // Each text in turn is the first that fails, once the ones before it are mended.
    const std::vector<std::pair<std::string, std::function<void(Settings&)>>> steps = {
        {"''", [](Settings& s) { s.canIdOffset = 0; }},
        {"''", [](Settings& s) { s.canIdLen = 0; }},
        {"'u'", [](Settings& s) { s.uartFrameInterval = "1"; }},
        {"'c'", [](Settings& s) { s.canFrameInterval = "1"; }},
        {"'0xi'", [](Settings& s) { s.canId = "1"; }},
        {"'0xg'", [](Settings& s) { s.baudrateA = "1"; }},
        {"'0xh'", [](Settings& s) { s.baudrateB = "1"; }},
    };
    for (const auto& [named, mend] : steps) {
        EXPECT_EQ(ConversionError(settings), named + " is not a valid integer value");
        mend(settings);
    }
    EXPECT_EQ(ConversionError(settings), "no error");
}

// Whatever a device sends, the load takes it: every value in every byte, over a valid image.
TEST(ImageLoadTest, EveryByteValueAtEveryOffsetLoads) {
    const ParameterImage base = DeviceImage();
    for (size_t offset = 0; offset < PARAMETER_IMAGE_SIZE; ++offset) {
        for (int value = 0; value <= 0xFF; ++value) {
            ParameterImage image = base;
            image[offset] = static_cast<uint8_t>(value);
            const Settings settings = LoadSettings(image, Settings{});
            for (const ListField& list : LISTS) {
                ASSERT_GE(settings.*list.position, NO_SELECTION);
                ASSERT_LT(settings.*list.position, list.items);
            }
            ASSERT_LE(LoadFilterList(image).entries.size(), FILTER_SLOTS);
            BasicInfoDescriptions(image);
        }
    }
}

}  // namespace
}  // namespace window::transfer
