// The device information page and the conversion, serial and CAN settings pages, with every
// control's items, default and initial state.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "BasicInfo.h"
#include "ControlFactory.h"
#include "ReportListView.h"
#include "Settings.h"
#include "SettingsItems.h"
#include "UnitCANConfig.h"

namespace {

using namespace window::transfer;

constexpr int CAN_ID_DIGITS = 8;
// What every control shows when the window is created.
const Settings DEFAULTS;

// The pages keep their controls at the top, however tall the page.
QVBoxLayout& NewPageColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setAlignment(Qt::AlignTop);
    return *column;
}

// Labelled controls in rows and columns, without a frame of their own.
QGridLayout& AddGrid(QBoxLayout& column) {
    auto* grid = new QGridLayout();
    column.addLayout(grid);
    return *grid;
}

}  // namespace

QWidget* TFormCANConfig::BuildBasicInfoPage() {
    auto* page = new QWidget();
    ListViewTorvane8BasicInfo = new window::ReportListView(
        "ListViewTorvane8BasicInfo", {{"Property", 250, Qt::AlignLeft | Qt::AlignVCenter},
                                      {"Description", 350, Qt::AlignCenter}});
    for (const char* property : BASIC_INFO_PROPERTIES) {
        ListViewTorvane8BasicInfo->AddRow({property});
    }
    NewPageColumn(page).addWidget(ListViewTorvane8BasicInfo);
    return page;
}

QWidget* TFormCANConfig::BuildConversionPage() {
    auto* page = new QWidget();
    QVBoxLayout& column = NewPageColumn(page);

    QGridLayout& mode = window::AddGroup(column, "模式和方向");
    ComboBoxSwitchMode =
        window::NewList("ComboBoxSwitchMode", SWITCH_MODE_ITEMS, DEFAULTS.switchMode);
    window::AddLabelled(mode, 0, 0, "转换模式:     ", ComboBoxSwitchMode);
    ComboBoxSwtichRoute =
        window::NewList("ComboBoxSwtichRoute", SWITCH_ROUTE_ITEMS, DEFAULTS.switchRoute);
    window::AddLabelled(mode, 0, 2, "转换方向:     ", ComboBoxSwtichRoute);

    auto* sideBySide = new QHBoxLayout();
    column.addLayout(sideBySide);
    QGridLayout& position = window::AddGroup(*sideBySide, "CAN标识在串行帧中的位置");
    ComboBoxCANIDOffset =
        window::NewList("ComboBoxCANIDOffset", CAN_ID_OFFSET_ITEMS, DEFAULTS.canIdOffset);
    window::AddLabelled(position, 0, 0, "起始偏移:     ", ComboBoxCANIDOffset);
    ComboBoxCANIDLen = window::NewList("ComboBoxCANIDLen", CAN_ID_LEN_ITEMS, DEFAULTS.canIdLen);
    window::AddLabelled(position, 1, 0, "长度:     ", ComboBoxCANIDLen);
    QGridLayout& interval = window::AddGroup(*sideBySide, "帧与帧之间的时间间隔");
    EditUARTFrameInterVal = window::NewEdit("EditUARTFrameInterVal",
                                            QString::fromStdString(DEFAULTS.uartFrameInterval));
    window::AddLabelled(interval, 0, 0, "串行帧（ms）：           ", EditUARTFrameInterVal);
    EditCANFrameInterval =
        window::NewEdit("EditCANFrameInterval", QString::fromStdString(DEFAULTS.canFrameInterval));
    window::HideWithLabel(
        EditCANFrameInterval,
        window::AddLabelled(interval, 1, 0, "CAN帧（ms）：  ", EditCANFrameInterval));

    auto* forwarding = new QHBoxLayout();
    column.addLayout(forwarding);
    CheckBoxCANFrameInfoEnable =
        window::NewCheckBox("CheckBoxCANFrameInfoEnable", "允许CAN帧信息转发到串行帧中        ");
    forwarding->addWidget(CheckBoxCANFrameInfoEnable);
    CheckBoxCANIDInfoEnable =
        window::NewCheckBox("CheckBoxCANIDInfoEnable", "允许CAN帧ID转发到串行帧中        ");
    forwarding->addWidget(CheckBoxCANIDInfoEnable);
    return page;
}

QWidget* TFormCANConfig::BuildSerialPage() {
    auto* page = new QWidget();
    QGridLayout& serial = AddGrid(NewPageColumn(page));
    ComboBoxUARTBuadrateIndex = window::NewList("ComboBoxUARTBuadrateIndex", UART_BAUDRATE_ITEMS,
                                                DEFAULTS.uartBaudrateIndex);
    window::AddLabelled(serial, 0, 0, "波特率：  ", ComboBoxUARTBuadrateIndex);
    ComboBoxUARTDataBitIndex =
        window::NewList("ComboBoxUARTDataBitIndex", UART_DATA_BIT_ITEMS, DEFAULTS.uartDataBitIndex);
    ComboBoxUARTDataBitIndex->setEnabled(false);
    window::AddLabelled(serial, 1, 0, "数据位：  ", ComboBoxUARTDataBitIndex);
    ComboBoxUARTMode = window::NewList("ComboBoxUARTMode", UART_MODE_ITEMS, DEFAULTS.uartMode);
    window::AddLabelled(serial, 2, 0, "模式转换：  ", ComboBoxUARTMode);
    ComboBoxUARTStopBitIndex =
        window::NewList("ComboBoxUARTStopBitIndex", UART_STOP_BIT_ITEMS, DEFAULTS.uartStopBitIndex);
    window::AddLabelled(serial, 0, 2, "停止位 ：  ", ComboBoxUARTStopBitIndex);
    ComboBoxUARTParityBitIndex =
        window::NewList("ComboBoxUARTParityBitIndex", UART_PARITY_ITEMS, DEFAULTS.uartParityIndex);
    window::AddLabelled(serial, 1, 2, "校验位 ：  ", ComboBoxUARTParityBitIndex);
    return page;
}

QWidget* TFormCANConfig::BuildCANPage() {
    auto* page = new QWidget();
    QVBoxLayout& column = NewPageColumn(page);

    QGridLayout& can = AddGrid(column);
    ComboBoxFDStandard =
        window::NewList("ComboBoxFDStandard", FD_STANDARD_ITEMS, DEFAULTS.fdStandard);
    ComboBoxFDStandard->setEnabled(false);
    window::AddLabelled(can, 0, 0, "CAN标准：    ", ComboBoxFDStandard);
    ComboBoxCANType = window::NewList("ComboBoxCANType", CAN_TYPE_ITEMS, DEFAULTS.canType);
    ComboBoxCANType->setEnabled(false);
    window::AddLabelled(can, 0, 2, "协议：   ", ComboBoxCANType);
    ComboBoxCANFrameType =
        window::NewList("ComboBoxCANFrameType", CAN_FRAME_TYPE_ITEMS, DEFAULTS.canFrameType);
    window::AddLabelled(can, 0, 4, "帧类型：  ", ComboBoxCANFrameType);
    ComboBoxBitRateSwitch =
        window::NewList("ComboBoxBitRateSwitch", BIT_RATE_SWITCH_ITEMS, DEFAULTS.bitRateSwitch);
    ComboBoxBitRateSwitch->setEnabled(false);
    window::AddLabelled(can, 1, 0, "CAN加速：    ", ComboBoxBitRateSwitch);
    EditCANID = window::NewEdit("EditCANID", QString::fromStdString(DEFAULTS.canId));
    EditCANID->setMaxLength(CAN_ID_DIGITS);
    window::AddLabelled(can, 1, 2, "CAN ID(Hex)：    ", EditCANID);

    QGridLayout& standard = window::AddGroup(column, "标准波特率");
    ComboBoxtBaudrateIndexA =
        window::NewList("ComboBoxtBaudrateIndexA", BAUDRATE_A_ITEMS, DEFAULTS.baudrateIndexA);
    window::AddLabelled(standard, 0, 0, "仲裁域波特率: 0x     ", ComboBoxtBaudrateIndexA);
    ComboBoxtBaudrateIndexB =
        window::NewList("ComboBoxtBaudrateIndexB", BAUDRATE_B_ITEMS, DEFAULTS.baudrateIndexB);
    window::HideWithLabel(
        ComboBoxtBaudrateIndexB,
        window::AddLabelled(standard, 0, 2, "数据域波特率: 0x     ", ComboBoxtBaudrateIndexB));

    QGridLayout& custom = window::AddGroup(column, "自定义波特率");
    CheckBoxBuadrateCustom = window::NewCheckBox("CheckBoxBuadrateCustom", "使用自定义波特率 ");
    custom.addWidget(CheckBoxBuadrateCustom, 0, 0, 1, 2);
    EditBaudrateA = window::NewEdit("EditBaudrateA", QString::fromStdString(DEFAULTS.baudrateA));
    EditBaudrateA->setEnabled(false);
    window::AddLabelled(custom, 1, 0, "仲裁域波特率: 0x     ", EditBaudrateA);
    EditBaudrateB = window::NewEdit("EditBaudrateB", QString::fromStdString(DEFAULTS.baudrateB));
    EditBaudrateB->setEnabled(false);
    window::HideWithLabel(EditBaudrateB,
                          window::AddLabelled(custom, 1, 2, "数据域波特率: 0x   ", EditBaudrateB));
    return page;
}
