// The read and write buttons end to end: what the device holds reaches every page, what the user
// set reaches the device, and every failure shows its texts.
#include <QDir>

#include <functional>

#include "ConnectFixture.h"
#include "DeviceIo.h"
#include "ParameterImage.h"
#include "ReportListView.h"
#include "Requests.h"
#include "Transactions.h"

namespace veltrix::test {
namespace {

using namespace protocol;
using sim::Faults;
using sim::ParsedItem;
using sim::ReadRequest;
using sim::WriteRequest;

const QString PICTURES_DIR = QStringLiteral(WINDOW_PICTURES_DIR);
constexpr char READ_SUCCEED[] = "Read device parameter succeed!";
constexpr char WRITE_SUCCEED[] = "Write device parameter Succeed!";
constexpr char WRITE_FAIL[] = "Write device parameter fail!";

// A device whose settings differ from the window's defaults on every page, with a filter entry
// for each of its ports.
ParameterImage DeviceImage() {
    using namespace field;
    ParameterImage image = sim::FactoryImage();
    image.Set(SwitchMode, 2);
    image.Set(SwitchRoute, 2);
    image.Set(RouteCANToUART, 1);
    image.Set(RouteUARTToCAN, 0);
    image.Set(CANIDOffset, 6);
    image.Set(CANIDLen, 4);
    image.Set(UARTFrameInterval, 1500);
    image.Set(CANFrameInterval, 30);
    image.Set(CANFrameInfoEnable, 0);
    image.Set(CANIDInfoEnable, 1);
    image.Set(UARTMode, 2);
    image.Set(UARTBaudrateIndex, 10);
    image.Set(UARTDataBitIndex, 0);
    image.Set(UARTStopBitIndex, 1);
    image.Set(UARTParityIndex, 1);
    image.Set(CANType, 1);
    image.Set(CANID, 0x18DA00F1);
    image.Set(CANFrameType, 1);
    image.Set(BitRateSwitch, 1);
    image.Set(BaudrateIndexA, 5);
    image.Set(BaudrateIndexB, 10);
    const uint32_t ranges[][2] = {{0x100, 0x1FF}, {0x18FF0000, 0x18FF00FF}, {0, 0x7FF}, {5, 5}};
    for (uint8_t i = 0; i < 4; ++i) {
        image.Set(FilterPort[i], i);
        image.Set(FilterFrameType[i], i % 2);
        image.Set(FilterStartID[i], ranges[i][0]);
        image.Set(FilterEndID[i], ranges[i][1]);
    }
    image.Set(FilterCount, 4);
    return image;
}

std::vector<uint8_t> SettingsBytes(const ParameterImage& image) {
    return {image.Data() + VERIFY_OFFSET, image.Data() + PARAMETER_IMAGE_SIZE};
}

std::vector<QStringList> RowsOf(const window::ReportListView& list) {
    std::vector<QStringList> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        rows.push_back(list.RowTexts(row));
    }
    return rows;
}

class ReadWriteTest : public ConnectFixture {
  protected:
    void StartWithDevice(const ParameterImage& image) {
        AddDevice(3, image);
        StartUp();
        OpenPort();
    }

    void Read() { Click(Form().ButtonReadParameter); }
    void Write() { Click(Form().ButtonWriteParameter); }
};

TEST_F(ReadWriteTest, ReadShowsOnEveryPageWhatTheDeviceHoldsAndWritingItBackChangesNothing) {
    const ParameterImage held = DeviceImage();
    StartWithDevice(held);
    Read();
    EXPECT_EQ(Status(), READ_SUCCEED);
    EXPECT_TRUE(Boxes().empty());
    TFormCANConfig& form = Form();

    EXPECT_EQ(RowsOf(*form.ListViewTorvane8BasicInfo),
              (std::vector<QStringList>{{"Vendor ID", "0x5654"},
                                        {"Product Type", "0700 Series"},
                                        {"Product Code", "Veltrix-7A"},
                                        {"Hardware Version", "110"},
                                        {"Firmware Version", "213"},
                                        {"Serial Number", "24-07-1A-03"}}));
    const std::pair<QComboBox*, QString> lists[] = {
        {form.ComboBoxSwitchMode, "格式转换"},
        {form.ComboBoxSwtichRoute, "仅CAN转串口"},
        {form.ComboBoxCANIDOffset, "6"},
        {form.ComboBoxCANIDLen, "4"},
        {form.ComboBoxUARTBuadrateIndex, "460800"},
        {form.ComboBoxUARTDataBitIndex, "7"},
        {form.ComboBoxUARTMode, "RS422"},
        {form.ComboBoxUARTStopBitIndex, "2"},
        {form.ComboBoxUARTParityBitIndex, "奇校验"},
        {form.ComboBoxFDStandard, "ISO"},
        {form.ComboBoxCANType, "CANFD"},
        {form.ComboBoxCANFrameType, "扩展帧"},
        {form.ComboBoxBitRateSwitch, "是"},
        {form.ComboBoxtBaudrateIndexA, "250Kbps"},
        {form.ComboBoxtBaudrateIndexB, "250Kbps"},
    };
    for (const auto& [list, text] : lists) {
        EXPECT_EQ(list->currentText(), text) << list->objectName().toStdString();
    }
    const std::pair<QLineEdit*, QString> edits[] = {
        {form.EditUARTFrameInterVal, "1500"},
        {form.EditCANFrameInterval, "30"},
        {form.EditCANID, "18DA00F1"},
        // Standard bit rates: the custom words keep what they held.
        {form.EditBaudrateA, "00050B2E"},
        {form.EditBaudrateB, "00008207"},
    };
    for (const auto& [edit, text] : edits) {
        EXPECT_EQ(edit->text(), text) << edit->objectName().toStdString();
    }
    EXPECT_FALSE(form.CheckBoxCANFrameInfoEnable->isChecked());
    EXPECT_TRUE(form.CheckBoxCANIDInfoEnable->isChecked());
    EXPECT_FALSE(form.CheckBoxBuadrateCustom->isChecked());
    EXPECT_TRUE(form.CheckBoxTorvane8FilterEnable->isChecked());
    EXPECT_EQ(RowsOf(*form.ListViewTorvane8FrameID),
              (std::vector<QStringList>{{"CAN0", "Standard Frame", "0x00000100", "0x000001FF"},
                                        {"CAN1", "Extend   Frame", "0x18FF0000", "0x18FF00FF"},
                                        {"CAN2", "Standard Frame", "0x00000000", "0x000007FF"},
                                        {"CAN3", "Extend   Frame", "0x00000005", "0x00000005"}}));
    // The enabling rules follow the loaded format conversion and filter flag.
    EXPECT_FALSE(form.ComboBoxCANIDOffset->isEnabled());
    EXPECT_FALSE(form.EditUARTFrameInterVal->isEnabled());
    EXPECT_FALSE(form.CheckBoxCANIDInfoEnable->isEnabled());
    EXPECT_TRUE(form.ButtonTorvane8FilterIDAdd->isEnabled());

    form.PageControlVerdane4->setCurrentIndex(0);
    ASSERT_TRUE(QDir().mkpath(PICTURES_DIR));
    EXPECT_TRUE(form.grab().save(PICTURES_DIR + "/window-after-read.png"));

    Write();
    EXPECT_EQ(Status(), WRITE_SUCCEED);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(SettingsBytes(Device(3).Image()), SettingsBytes(held));
}

TEST_F(ReadWriteTest, WriteSendsWhatTheUserSetOnEveryPage) {
    StartWithDevice(sim::FactoryImage());
    TFormCANConfig& form = Form();
    ShowPage(1);
    Click(form.CheckBoxCANFrameInfoEnable);
    Click(form.CheckBoxCANIDInfoEnable);
    PickItem(form.ComboBoxSwitchMode, 1);
    PickItem(form.ComboBoxSwtichRoute, 1);
    PickItem(form.ComboBoxCANIDOffset, 3);
    PickItem(form.ComboBoxCANIDLen, 1);
    Type(form.EditUARTFrameInterVal, "20");
    ShowPage(2);
    PickItem(form.ComboBoxUARTBuadrateIndex, 5);
    PickItem(form.ComboBoxUARTStopBitIndex, 1);
    PickItem(form.ComboBoxUARTParityBitIndex, 2);
    PickItem(form.ComboBoxUARTMode, 1);
    ShowPage(3);
    PickItem(form.ComboBoxCANFrameType, 1);
    Type(form.EditCANID, "3FFFFFFF");
    Click(form.CheckBoxBuadrateCustom);
    Type(form.EditBaudrateA, "0001c00f");
    ShowPage(4);
    Click(form.CheckBoxTorvane8FilterEnable);
    PickItem(form.ComboBoxTorvane8FrameType, 1);
    Type(form.EditTorvane8StartID, "100");
    Type(form.EditTorvane8EndID, "1FF");
    Click(form.ButtonTorvane8FilterIDAdd);
    Write();

    using namespace field;
    ParameterImage expected;
    expected.Set(RouteCANToUART, 0);
    expected.Set(RouteUARTToCAN, 1);
    expected.Set(FixedOne32, 1);
    expected.Set(FixedOne33, 1);
    expected.Set(FilterEnable, 1);
    expected.Set(FilterPort[0], 1);
    expected.Set(FilterFrameType[0], 1);
    expected.Set(FilterStartID[0], 0x100);
    expected.Set(FilterEndID[0], 0x1FF);
    expected.Set(FilterCount, 1);
    expected.Set(UARTMode, 1);
    expected.Set(UARTBaudrateIndex, 5);
    expected.Set(UARTDataBitIndex, 1);
    expected.Set(UARTStopBitIndex, 1);
    expected.Set(UARTParityIndex, 2);
    expected.Set(CANID, 0x1FFFFFFF);
    expected.Set(CANFrameType, 1);
    expected.Set(BaudrateCustom, 1);
    expected.Set(BaudrateA, 0x0001C00F);
    expected.Set(BaudrateB, 0x00008207);
    expected.Set(SwitchMode, 1);
    expected.Set(SwitchRoute, 1);
    expected.Set(CANFrameInfoEnable, 1);
    expected.Set(CANIDInfoEnable, 1);
    expected.Set(CANIDOffset, 3);
    expected.Set(CANIDLen, 2);
    expected.Set(UARTFrameInterval, 20);
    expected.Set(Checksum, ParameterChecksum(expected.Data(), PARAMETER_IMAGE_SIZE));

    EXPECT_EQ(Status(), WRITE_SUCCEED);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Device(3).Received(), (std::vector<ParsedItem>{WriteRequest{0, expected},
                                                             ReadRequest{0, READ_REQUEST_FILLER}}));
    EXPECT_EQ(SettingsBytes(Device(3).Image()), SettingsBytes(expected));
}

TEST_F(ReadWriteTest, TextThatDoesNotConvertStopsTheWriteBeforeAnythingIsSent) {
    StartWithDevice(sim::FactoryImage());
    ShowPage(3);
    Type(Form().EditCANID, "12G4");
    Write();
    EXPECT_EQ(Boxes(),
              std::vector<MessageBoxContent>{ErrorReport("'0x12G4' is not a valid integer value")});
    EXPECT_TRUE(Device(3).Received().empty());
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Form().EditCANID->text(), "12G4") << "the user can correct the text";
}

// One exchange against a misbehaving device: what the window says of it.
struct FaultCase {
    const char* name;
    Faults faults;
    bool write;  // else a read
    QString status;
    std::vector<MessageBoxContent> boxes;
};

TEST_F(ReadWriteTest, EveryDeviceFaultShowsItsTextsAndLoadsNothing) {
    const QString unchanged = "status before";
    const MessageBoxContent readFailed = Warning("Read device parameter fail!", "Waring");
    const MessageBoxContent writeFailed = Warning(WRITE_FAIL, "Waring");
    const FaultCase cases[] = {
        {"late reply",
         {.lateMs = 1500, .lateFromByte = 100},
         false,
         "Read device parameter Fail!",
         {readFailed}},
        {"short reply", {.shortLength = 239}, false, "Read device parameter Fail!", {readFailed}},
        {"wrong checksum",
         {.wrongChecksum = true},
         false,
         "Read device parameter Fail!",
         {readFailed}},
        {"a stored byte changed", {.alterOffset = 230}, true, WRITE_FAIL, {writeFailed}},
        {"short read-back", {.shortLength = 10}, true, unchanged, {writeFailed}},
    };
    StartWithDevice(DeviceImage());
    for (const FaultCase& each : cases) {
        SCOPED_TRACE(each.name);
        Device(3).SetFaults(each.faults);
        Form().SetStatusText(unchanged.toStdString());
        boxes_.Forget();
        each.write ? Write() : Read();
        EXPECT_EQ(Status(), each.status);
        EXPECT_EQ(Boxes(), each.boxes);
        EXPECT_EQ(Form().ComboBoxSwitchMode->currentIndex(), 0) << "nothing was loaded";
        EXPECT_TRUE(Form().ButtonOpenRS232->isEnabled());
        EXPECT_TRUE(Form().ButtonReadParameter->isEnabled());
        if (each.faults.lateMs > 0) {
            // The late rest must not arrive in the middle of the next exchange.
            ASSERT_TRUE(WaitUntilReceived(3, PARAMETER_IMAGE_SIZE - each.faults.lateFromByte));
        }
    }
}

}  // namespace
}  // namespace veltrix::test
