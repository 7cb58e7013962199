// The items of the settings pages' lists, in order. A list's position is the value the device
// stores, so these lists also fix what each stored value means.
#pragma once

#include <array>
#include <cstddef>

namespace window::transfer {

template <size_t N>
using Items = std::array<const char*, N>;

// Page "转换参数". The identifier position lists name their value as item text.
inline constexpr Items<3> SWITCH_MODE_ITEMS = {"透明转换", "透明带标识转换", "格式转换"};
inline constexpr Items<3> SWITCH_ROUTE_ITEMS = {"双向转换", "仅串口转CAN", "仅CAN转串口"};
inline constexpr Items<8> CAN_ID_OFFSET_ITEMS = {"0", "1", "2", "3", "4", "5", "6", "7"};
inline constexpr Items<4> CAN_ID_LEN_ITEMS = {"1", "2", "3", "4"};

// Page "串口参数".
inline constexpr Items<12> UART_BAUDRATE_ITEMS = {"1200",   "2400",   "4800",   "9600",
                                                  "14400",  "19200",  "38400",  "57600",
                                                  "115200", "230400", "460800", "921600"};
inline constexpr Items<2> UART_DATA_BIT_ITEMS = {"7", "8"};
inline constexpr Items<3> UART_MODE_ITEMS = {"RS232", "RS485", "RS422"};
inline constexpr Items<2> UART_STOP_BIT_ITEMS = {"1", "2"};
inline constexpr Items<3> UART_PARITY_ITEMS = {"无校验", "奇校验", "偶校验"};

// Page "CAN参数". The "预留" items are reserved values, stored like any other.
inline constexpr Items<1> FD_STANDARD_ITEMS = {"ISO"};
inline constexpr Items<2> CAN_TYPE_ITEMS = {"CAN", "CANFD"};
inline constexpr Items<2> CAN_FRAME_TYPE_ITEMS = {"标准帧", "扩展帧"};
inline constexpr Items<2> BIT_RATE_SWITCH_ITEMS = {"否", "是"};
inline constexpr Items<15> BAUDRATE_A_ITEMS = {"1Mbps",   "预留1",  "预留2",   "500Kbps", "预留3",
                                               "250Kbps", "预留4",  "125Kbps", "100Kbps", "预留5",
                                               "50Kbps",  "40Kbps", "20Kbps",  "10Kbps",  "5Kbps"};
inline constexpr Items<15> BAUDRATE_B_ITEMS = {"5Mbps",   "4Mbps", "预留1",   "预留2",   "2Mbps",
                                               "预留3",   "1Mbps", "预留4",   "500kbps", "预留5",
                                               "250Kbps", "预留6", "125Kbps", "100Kbps", "预留7"};

// Page "滤波参数": the frame type of a filter entry, as its row shows it.
inline constexpr Items<2> FILTER_FRAME_TYPE_ITEMS = {"Standard Frame", "Extend   Frame"};

}  // namespace window::transfer
