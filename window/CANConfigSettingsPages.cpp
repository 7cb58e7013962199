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
#include "UnitCANConfig.h"

namespace {

constexpr int CAN_ID_DIGITS = 8;

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
    for (const char* property : window::BASIC_INFO_PROPERTIES) {
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
        window::NewList("ComboBoxSwitchMode", {"透明转换", "透明带标识转换", "格式转换"}, 0);
    window::AddLabelled(mode, 0, 0, "转换模式:     ", ComboBoxSwitchMode);
    ComboBoxSwtichRoute =
        window::NewList("ComboBoxSwtichRoute", {"双向转换", "仅串口转CAN", "仅CAN转串口"}, 0);
    window::AddLabelled(mode, 0, 2, "转换方向:     ", ComboBoxSwtichRoute);

    auto* sideBySide = new QHBoxLayout();
    column.addLayout(sideBySide);
    QGridLayout& position = window::AddGroup(*sideBySide, "CAN标识在串行帧中的位置");
    ComboBoxCANIDOffset =
        window::NewList("ComboBoxCANIDOffset", {"0", "1", "2", "3", "4", "5", "6", "7"}, 0);
    window::AddLabelled(position, 0, 0, "起始偏移:     ", ComboBoxCANIDOffset);
    ComboBoxCANIDLen = window::NewList("ComboBoxCANIDLen", {"1", "2", "3", "4"}, 0);
    window::AddLabelled(position, 1, 0, "长度:     ", ComboBoxCANIDLen);
    QGridLayout& interval = window::AddGroup(*sideBySide, "帧与帧之间的时间间隔");
    EditUARTFrameInterVal = window::NewEdit("EditUARTFrameInterVal", "0");
    window::AddLabelled(interval, 0, 0, "串行帧（ms）：           ", EditUARTFrameInterVal);
    EditCANFrameInterval = window::NewEdit("EditCANFrameInterval", "0");
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
    ComboBoxUARTBuadrateIndex =
        window::NewList("ComboBoxUARTBuadrateIndex",
                        {"1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600",
                         "115200", "230400", "460800", "921600"},
                        3);
    window::AddLabelled(serial, 0, 0, "波特率：  ", ComboBoxUARTBuadrateIndex);
    ComboBoxUARTDataBitIndex = window::NewList("ComboBoxUARTDataBitIndex", {"7", "8"}, 1);
    ComboBoxUARTDataBitIndex->setEnabled(false);
    window::AddLabelled(serial, 1, 0, "数据位：  ", ComboBoxUARTDataBitIndex);
    ComboBoxUARTMode = window::NewList("ComboBoxUARTMode", {"RS232", "RS485", "RS422"}, 0);
    window::AddLabelled(serial, 2, 0, "模式转换：  ", ComboBoxUARTMode);
    ComboBoxUARTStopBitIndex = window::NewList("ComboBoxUARTStopBitIndex", {"1", "2"}, 0);
    window::AddLabelled(serial, 0, 2, "停止位 ：  ", ComboBoxUARTStopBitIndex);
    ComboBoxUARTParityBitIndex =
        window::NewList("ComboBoxUARTParityBitIndex", {"无校验", "奇校验", "偶校验"}, 0);
    window::AddLabelled(serial, 1, 2, "校验位 ：  ", ComboBoxUARTParityBitIndex);
    return page;
}

QWidget* TFormCANConfig::BuildCANPage() {
    auto* page = new QWidget();
    QVBoxLayout& column = NewPageColumn(page);

    QGridLayout& can = AddGrid(column);
    ComboBoxFDStandard = window::NewList("ComboBoxFDStandard", {"ISO"}, 0);
    ComboBoxFDStandard->setEnabled(false);
    window::AddLabelled(can, 0, 0, "CAN标准：    ", ComboBoxFDStandard);
    ComboBoxCANType = window::NewList("ComboBoxCANType", {"CAN", "CANFD"}, 0);
    ComboBoxCANType->setEnabled(false);
    window::AddLabelled(can, 0, 2, "协议：   ", ComboBoxCANType);
    ComboBoxCANFrameType = window::NewList("ComboBoxCANFrameType", {"标准帧", "扩展帧"}, 0);
    window::AddLabelled(can, 0, 4, "帧类型：  ", ComboBoxCANFrameType);
    ComboBoxBitRateSwitch = window::NewList("ComboBoxBitRateSwitch", {"否", "是"}, 0);
    ComboBoxBitRateSwitch->setEnabled(false);
    window::AddLabelled(can, 1, 0, "CAN加速：    ", ComboBoxBitRateSwitch);
    EditCANID = window::NewEdit("EditCANID", "00000000");
    EditCANID->setMaxLength(CAN_ID_DIGITS);
    window::AddLabelled(can, 1, 2, "CAN ID(Hex)：    ", EditCANID);

    QGridLayout& standard = window::AddGroup(column, "标准波特率");
    ComboBoxtBaudrateIndexA = window::NewList(
        "ComboBoxtBaudrateIndexA",
        {"1Mbps", "预留1", "预留2", "500Kbps", "预留3", "250Kbps", "预留4", "125Kbps", "100Kbps",
         "预留5", "50Kbps", "40Kbps", "20Kbps", "10Kbps", "5Kbps"},
        0);
    window::AddLabelled(standard, 0, 0, "仲裁域波特率: 0x     ", ComboBoxtBaudrateIndexA);
    ComboBoxtBaudrateIndexB =
        window::NewList("ComboBoxtBaudrateIndexB",
                        {"5Mbps", "4Mbps", "预留1", "预留2", "2Mbps", "预留3", "1Mbps", "预留4",
                         "500kbps", "预留5", "250Kbps", "预留6", "125Kbps", "100Kbps", "预留7"},
                        0);
    window::HideWithLabel(
        ComboBoxtBaudrateIndexB,
        window::AddLabelled(standard, 0, 2, "数据域波特率: 0x     ", ComboBoxtBaudrateIndexB));

    QGridLayout& custom = window::AddGroup(column, "自定义波特率");
    CheckBoxBuadrateCustom = window::NewCheckBox("CheckBoxBuadrateCustom", "使用自定义波特率 ");
    custom.addWidget(CheckBoxBuadrateCustom, 0, 0, 1, 2);
    EditBaudrateA = window::NewEdit("EditBaudrateA", "00050B2E");
    EditBaudrateA->setEnabled(false);
    window::AddLabelled(custom, 1, 0, "仲裁域波特率: 0x     ", EditBaudrateA);
    EditBaudrateB = window::NewEdit("EditBaudrateB", "00008207");
    EditBaudrateB->setEnabled(false);
    window::HideWithLabel(EditBaudrateB,
                          window::AddLabelled(custom, 1, 2, "数据域波特率: 0x   ", EditBaudrateB));
    return page;
}
