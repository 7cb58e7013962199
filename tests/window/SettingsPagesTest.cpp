// The information, conversion, serial and CAN pages as start-up leaves them, and the two enabling
// rules worked through the real controls.
#include <QHeaderView>

#include <vector>

#include "FormFixture.h"

namespace veltrix::test {
namespace {

class SettingsPagesTest : public FormFixture {
  protected:
    // Enabled states of the six controls that the conversion mode switches, in table order.
    std::vector<bool> ModeControlsEnabled() {
        TFormCANConfig& form = Form();
        return {form.ComboBoxCANIDOffset->isEnabled(),
                form.ComboBoxCANIDLen->isEnabled(),
                form.EditUARTFrameInterVal->isEnabled(),
                form.EditCANFrameInterval->isEnabled(),
                form.CheckBoxCANFrameInfoEnable->isEnabled(),
                form.CheckBoxCANIDInfoEnable->isEnabled()};
    }

    // Enabled states of EditBaudrateA, EditBaudrateB, ComboBoxtBaudrateIndexA and -B.
    std::vector<bool> BitTimingEnabled() {
        TFormCANConfig& form = Form();
        return {form.EditBaudrateA->isEnabled(), form.EditBaudrateB->isEnabled(),
                form.ComboBoxtBaudrateIndexA->isEnabled(),
                form.ComboBoxtBaudrateIndexB->isEnabled()};
    }

    std::vector<bool> ListsNothingEnables() {
        TFormCANConfig& form = Form();
        return {form.ComboBoxUARTDataBitIndex->isEnabled(), form.ComboBoxFDStandard->isEnabled(),
                form.ComboBoxCANType->isEnabled(), form.ComboBoxBitRateSwitch->isEnabled()};
    }
};

QStringList ItemsOf(const QComboBox* list) {
    QStringList items;
    for (int index = 0; index < list->count(); ++index) {
        items << list->itemText(index);
    }
    return items;
}

TEST_F(SettingsPagesTest, EveryListHasItsLabelItemsDefaultAndInitialState) {
    TFormCANConfig& form = Form();
    const QStringList rateA = {"1Mbps",   "预留1",  "预留2",   "500Kbps", "预留3",
                               "250Kbps", "预留4",  "125Kbps", "100Kbps", "预留5",
                               "50Kbps",  "40Kbps", "20Kbps",  "10Kbps",  "5Kbps"};
    const QStringList rateB = {"5Mbps",   "4Mbps", "预留1",   "预留2",   "2Mbps",
                               "预留3",   "1Mbps", "预留4",   "500kbps", "预留5",
                               "250Kbps", "预留6", "125Kbps", "100Kbps", "预留7"};
    const struct {
        QComboBox* list;
        const char* name;
        QString label;
        QStringList items;
        int selected;
        bool enabled;
        bool hidden;
    } lists[] = {
        {form.ComboBoxSwitchMode,
         "ComboBoxSwitchMode",
         "转换模式:     ",
         {"透明转换", "透明带标识转换", "格式转换"},
         0,
         true,
         false},
        {form.ComboBoxSwtichRoute,
         "ComboBoxSwtichRoute",
         "转换方向:     ",
         {"双向转换", "仅串口转CAN", "仅CAN转串口"},
         0,
         true,
         false},
        // Disabled by the conversion-mode rule that start-up runs for mode 0.
        {form.ComboBoxCANIDOffset,
         "ComboBoxCANIDOffset",
         "起始偏移:     ",
         {"0", "1", "2", "3", "4", "5", "6", "7"},
         0,
         false,
         false},
        {form.ComboBoxCANIDLen,
         "ComboBoxCANIDLen",
         "长度:     ",
         {"1", "2", "3", "4"},
         0,
         false,
         false},
        {form.ComboBoxUARTBuadrateIndex,
         "ComboBoxUARTBuadrateIndex",
         "波特率：  ",
         {"1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200", "230400",
          "460800", "921600"},
         3,
         true,
         false},
        {form.ComboBoxUARTStopBitIndex,
         "ComboBoxUARTStopBitIndex",
         "停止位 ：  ",
         {"1", "2"},
         0,
         true,
         false},
        {form.ComboBoxUARTDataBitIndex,
         "ComboBoxUARTDataBitIndex",
         "数据位：  ",
         {"7", "8"},
         1,
         false,
         false},
        {form.ComboBoxUARTMode,
         "ComboBoxUARTMode",
         "模式转换：  ",
         {"RS232", "RS485", "RS422"},
         0,
         true,
         false},
        {form.ComboBoxUARTParityBitIndex,
         "ComboBoxUARTParityBitIndex",
         "校验位 ：  ",
         {"无校验", "奇校验", "偶校验"},
         0,
         true,
         false},
        {form.ComboBoxFDStandard, "ComboBoxFDStandard", "CAN标准：    ", {"ISO"}, 0, false, false},
        {form.ComboBoxCANType, "ComboBoxCANType", "协议：   ", {"CAN", "CANFD"}, 0, false, false},
        {form.ComboBoxCANFrameType,
         "ComboBoxCANFrameType",
         "帧类型：  ",
         {"标准帧", "扩展帧"},
         0,
         true,
         false},
        {form.ComboBoxBitRateSwitch,
         "ComboBoxBitRateSwitch",
         "CAN加速：    ",
         {"否", "是"},
         0,
         false,
         false},
        {form.ComboBoxtBaudrateIndexA, "ComboBoxtBaudrateIndexA", "仲裁域波特率: 0x     ", rateA, 0,
         true, false},
        {form.ComboBoxtBaudrateIndexB, "ComboBoxtBaudrateIndexB", "数据域波特率: 0x     ", rateB, 0,
         true, true},
    };
    for (const auto& each : lists) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(each.list->objectName(), each.name);
        EXPECT_EQ(LabelOf(each.list), each.label);
        EXPECT_FALSE(each.list->isEditable());
        EXPECT_EQ(ItemsOf(each.list), each.items);
        EXPECT_EQ(each.list->currentIndex(), each.selected);
        EXPECT_EQ(each.list->isEnabled(), each.enabled);
        EXPECT_EQ(IsHidden(each.list), each.hidden);
    }
}

TEST_F(SettingsPagesTest, EveryEditAndCheckBoxHasItsLabelDefaultAndInitialState) {
    TFormCANConfig& form = Form();
    const struct {
        QLineEdit* edit;
        const char* name;
        QString label;
        QString text;
        bool enabled;
        bool hidden;
    } edits[] = {
        {form.EditUARTFrameInterVal, "EditUARTFrameInterVal", "串行帧（ms）：           ", "0",
         true, false},
        {form.EditCANFrameInterval, "EditCANFrameInterval", "CAN帧（ms）：  ", "0", true, true},
        {form.EditCANID, "EditCANID", "CAN ID(Hex)：    ", "00000000", true, false},
        {form.EditBaudrateA, "EditBaudrateA", "仲裁域波特率: 0x     ", "00050B2E", false, false},
        {form.EditBaudrateB, "EditBaudrateB", "数据域波特率: 0x   ", "00008207", false, true},
    };
    for (const auto& each : edits) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(each.edit->objectName(), each.name);
        EXPECT_EQ(LabelOf(each.edit), each.label);
        EXPECT_EQ(each.edit->text(), each.text);
        EXPECT_EQ(each.edit->isEnabled(), each.enabled);
        EXPECT_EQ(IsHidden(each.edit), each.hidden);
    }
    const struct {
        QCheckBox* box;
        const char* name;
        QString caption;
    } boxes[] = {
        {form.CheckBoxCANFrameInfoEnable, "CheckBoxCANFrameInfoEnable",
         "允许CAN帧信息转发到串行帧中        "},
        {form.CheckBoxCANIDInfoEnable, "CheckBoxCANIDInfoEnable",
         "允许CAN帧ID转发到串行帧中        "},
        {form.CheckBoxBuadrateCustom, "CheckBoxBuadrateCustom", "使用自定义波特率 "},
    };
    for (const auto& each : boxes) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(each.box->objectName(), each.name);
        EXPECT_EQ(each.box->text(), each.caption);
        EXPECT_FALSE(each.box->isChecked());
        EXPECT_TRUE(each.box->isEnabled());
    }
}

TEST_F(SettingsPagesTest, HiddenControlsStayHiddenOnTheirShownPageAndHoldValues) {
    ShowPage(3);
    TFormCANConfig& form = Form();
    EXPECT_FALSE(form.ComboBoxtBaudrateIndexB->isVisible());
    EXPECT_FALSE(form.EditBaudrateB->isVisible());
    EXPECT_TRUE(form.EditBaudrateA->isVisible());
    form.ComboBoxtBaudrateIndexB->setCurrentIndex(8);
    form.EditBaudrateB->setText("12345678");
    EXPECT_EQ(form.ComboBoxtBaudrateIndexB->currentText(), "500kbps");
    EXPECT_EQ(form.EditBaudrateB->text(), "12345678");
    ShowPage(1);
    EXPECT_FALSE(form.EditCANFrameInterval->isVisible());
    EXPECT_EQ(LabelOf(form.EditCANFrameInterval), "CAN帧（ms）：  ");
}

TEST_F(SettingsPagesTest, DeviceInformationListStartsWithSixPropertiesAndNoDescriptions) {
    const window::ReportListView& list = *Form().ListViewTorvane8BasicInfo;
    EXPECT_EQ(list.objectName(), "ListViewTorvane8BasicInfo");
    ASSERT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), "Property");
    EXPECT_EQ(list.columnWidth(0), 250);
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), "Description");
    EXPECT_EQ(list.columnWidth(1), 350);
    EXPECT_TRUE(list.showGrid());
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(Qt::white));
    const QStringList properties = {"Vendor ID",        "Product Type",     "Product Code",
                                    "Hardware Version", "Firmware Version", "Serial Number"};
    ASSERT_EQ(list.rowCount(), 6);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(list.RowTexts(row), QStringList({properties[row], ""}));
    }
}

TEST_F(SettingsPagesTest, EachConversionModeEnablesItsControlsWhenTheUserPicksIt) {
    ShowPage(1);
    // Start-up applied mode 0.
    EXPECT_EQ(ModeControlsEnabled(), std::vector<bool>({false, false, true, true, true, true}));
    const std::pair<int, std::vector<bool>> modes[] = {
        {1, {true, true, true, true, false, false}}, {2, {false, false, false, true, false, false}},
        {0, {false, false, true, true, true, true}}, {2, {false, false, false, true, false, false}},
        {1, {true, true, true, true, false, false}},
    };
    for (const auto& [mode, enabled] : modes) {
        PickItem(Form().ComboBoxSwitchMode, mode);
        EXPECT_EQ(ModeControlsEnabled(), enabled) << "mode " << mode;
        EXPECT_EQ(ListsNothingEnables(), std::vector<bool>(4, false));
    }
}

TEST_F(SettingsPagesTest, ModeSetFromCodeChangesNothingUntilTheRuleIsRun) {
    TFormCANConfig& form = Form();
    form.ComboBoxSwitchMode->setCurrentIndex(1);
    EXPECT_EQ(ModeControlsEnabled(), std::vector<bool>({false, false, true, true, true, true}));
    form.ComboBoxSwitchModeChange(nullptr);
    EXPECT_EQ(ModeControlsEnabled(), std::vector<bool>({true, true, true, true, false, false}));
}

TEST_F(SettingsPagesTest, ModeListWithoutSelectionKeepsTheLastEnabling) {
    TFormCANConfig& form = Form();
    form.ComboBoxSwitchMode->setCurrentIndex(2);
    form.ComboBoxSwitchModeChange(nullptr);
    form.ComboBoxSwitchMode->setCurrentIndex(-1);
    form.ComboBoxSwitchModeChange(nullptr);
    EXPECT_EQ(ModeControlsEnabled(), std::vector<bool>({false, false, false, true, false, false}));
}

TEST_F(SettingsPagesTest, DisablingKeepsSelectionsTextsAndTicks) {
    ShowPage(1);
    TFormCANConfig& form = Form();
    PickItem(form.ComboBoxSwitchMode, 1);
    PickItem(form.ComboBoxCANIDOffset, 5);
    PickItem(form.ComboBoxCANIDLen, 3);
    Type(form.EditUARTFrameInterVal, "250");
    PickItem(form.ComboBoxSwitchMode, 0);
    Click(form.CheckBoxCANFrameInfoEnable);
    PickItem(form.ComboBoxSwitchMode, 2);

    EXPECT_EQ(ModeControlsEnabled(), std::vector<bool>({false, false, false, true, false, false}));
    EXPECT_EQ(form.ComboBoxCANIDOffset->currentText(), "5");
    EXPECT_EQ(form.ComboBoxCANIDLen->currentText(), "4");
    EXPECT_EQ(form.EditUARTFrameInterVal->text(), "250");
    EXPECT_TRUE(form.CheckBoxCANFrameInfoEnable->isChecked());
}

TEST_F(SettingsPagesTest, ForwardingBoxesRunTheFilterHandlerWhichOnlyAppliesFilterEnableAgain) {
    ShowPage(1);
    TFormCANConfig& form = Form();
    for (QCheckBox* box : {form.CheckBoxCANFrameInfoEnable, form.CheckBoxCANIDInfoEnable}) {
        SCOPED_TRACE(box->objectName().toStdString());
        // Out of step with the unticked "Filter Enable" until the filter handler runs.
        form.ButtonTorvane8FilterIDAdd->setEnabled(true);
        Click(box);
        EXPECT_TRUE(box->isChecked());
        EXPECT_FALSE(form.ButtonTorvane8FilterIDAdd->isEnabled());
        EXPECT_FALSE(form.CheckBoxTorvane8FilterEnable->isChecked());
    }
}

TEST_F(SettingsPagesTest, CustomBitTimingBoxSwitchesBothWaysAndKeepsValues) {
    ShowPage(3);
    TFormCANConfig& form = Form();
    PickItem(form.ComboBoxtBaudrateIndexA, 7);
    EXPECT_EQ(BitTimingEnabled(), std::vector<bool>({false, false, true, true}));

    Click(form.CheckBoxBuadrateCustom);
    EXPECT_TRUE(form.CheckBoxBuadrateCustom->isChecked());
    EXPECT_EQ(BitTimingEnabled(), std::vector<bool>({true, true, false, false}));
    EXPECT_EQ(form.ComboBoxtBaudrateIndexA->currentText(), "125Kbps");
    Type(form.EditBaudrateA, "0001C00A");

    Click(form.CheckBoxBuadrateCustom);
    EXPECT_FALSE(form.CheckBoxBuadrateCustom->isChecked());
    EXPECT_EQ(BitTimingEnabled(), std::vector<bool>({false, false, true, true}));
    EXPECT_EQ(form.EditBaudrateA->text(), "0001C00A");
    EXPECT_EQ(form.EditBaudrateB->text(), "00008207");
    EXPECT_EQ(form.ComboBoxtBaudrateIndexA->currentText(), "125Kbps");
    EXPECT_EQ(ListsNothingEnables(), std::vector<bool>(4, false));
}

TEST_F(SettingsPagesTest, BitTimingRuleRunsOnEveryChangeFromCodeAndOnlyOnAChange) {
    TFormCANConfig& form = Form();
    form.CheckBoxBuadrateCustom->setChecked(true);
    EXPECT_EQ(BitTimingEnabled(), std::vector<bool>({true, true, false, false}));
    // Put the enabling out of step; setting the same state again must not run the rule.
    form.EditBaudrateA->setEnabled(false);
    form.CheckBoxBuadrateCustom->setChecked(true);
    EXPECT_FALSE(form.EditBaudrateA->isEnabled());
    form.CheckBoxBuadrateCustom->setChecked(false);
    EXPECT_EQ(BitTimingEnabled(), std::vector<bool>({false, false, true, true}));
}

TEST_F(SettingsPagesTest, CanIdEditRefusesANinthCharacter) {
    ShowPage(3);
    Type(Form().EditCANID, "123456789");
    EXPECT_EQ(Form().EditCANID->text(), "12345678");
    EXPECT_EQ(Form().EditCANID->maxLength(), 8);
}

}  // namespace
}  // namespace veltrix::test
