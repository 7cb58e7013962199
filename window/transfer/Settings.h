// The controls of the settings pages as the transfer between the window and an image sees them:
// a list by its position (NO_SELECTION when it has none), an edit by its text, a tick box by its
// state. Made with the values the window shows when it is created.
#pragma once

#include <string>

namespace window::transfer {

inline constexpr int NO_SELECTION = -1;

struct Settings {
    // Page "转换参数".
    int switchMode = 0;
    int switchRoute = 0;
    int canIdOffset = 0;  // position in CAN_ID_OFFSET_ITEMS
    int canIdLen = 0;     // position in CAN_ID_LEN_ITEMS
    std::string uartFrameInterval = "0";
    std::string canFrameInterval = "0";
    bool canFrameInfoEnable = false;
    bool canIdInfoEnable = false;

    // Page "串口参数".
    int uartBaudrateIndex = 3;
    int uartDataBitIndex = 1;
    int uartMode = 0;
    int uartStopBitIndex = 0;
    int uartParityIndex = 0;

    // Page "CAN参数".
    int fdStandard = 0;
    int canType = 0;
    int canFrameType = 0;
    int bitRateSwitch = 0;
    std::string canId = "00000000";
    int baudrateIndexA = 0;
    int baudrateIndexB = 0;
    bool baudrateCustom = false;
    std::string baudrateA = "00050B2E";
    std::string baudrateB = "00008207";

    bool operator==(const Settings&) const = default;
};

}  // namespace window::transfer
