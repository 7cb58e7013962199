// Port discovery at start-up, the open/close toggle and closing the port at the end, with the
// channel calls they make.
#include <QAction>
#include <QLineEdit>

#include <set>

#include "ConnectFixture.h"
#include "vci.h"

namespace veltrix::test {
namespace {

constexpr char OPEN_CAPTION[] = "打开串口";
constexpr char CLOSE_CAPTION[] = "关闭串口";

// The scan of start-up: every channel probed in ascending order, each one that opens closed
// again at once.
std::vector<std::string> ScanOf(const std::set<int>& present) {
    std::vector<std::string> calls;
    for (int channel = 0; channel < 24; ++channel) {
        const bool opens = present.count(channel) > 0;
        calls.push_back("open " + std::to_string(channel) + " -> " + (opens ? "1" : "0"));
        if (opens) {
            calls.push_back("close " + std::to_string(channel));
        }
    }
    return calls;
}

class ConnectionTest : public ConnectFixture {
  protected:
    // The states of the connection controls: the toggle's caption and which are enabled.
    struct Controls {
        QString toggleCaption;
        bool toggle;
        bool portList;
        bool read;
        bool write;
        bool operator==(const Controls&) const = default;
    };
    Controls ControlsNow() {
        return {Form().ButtonOpenRS232->text(), Form().ButtonOpenRS232->isEnabled(),
                Form().ComboBoxCommIndex->isEnabled(), Form().ButtonReadParameter->isEnabled(),
                Form().ButtonWriteParameter->isEnabled()};
    }
    const Controls CLOSED = {OPEN_CAPTION, true, true, false, false};
    const Controls OPEN = {CLOSE_CAPTION, true, false, true, true};

    std::vector<std::pair<QString, int>> PortItems() {
        std::vector<std::pair<QString, int>> items;
        for (int index = 0; index < Form().ComboBoxCommIndex->count(); ++index) {
            items.emplace_back(Form().ComboBoxCommIndex->itemText(index),
                               Form().ComboBoxCommIndex->itemData(index).toInt());
        }
        return items;
    }
};

TEST_F(ConnectionTest, StartUpListsThePortsThatOpenInChannelOrderAndSelectsTheLowest) {
    AddDevice(5);
    AddDevice(3);
    AddDevice(0);
    HeldPort held(ports_.AddPort(4).LinkPath());
    StartUp();
    EXPECT_EQ(ChannelCalls(), ScanOf({0, 3, 5}));
    EXPECT_EQ(PortItems(),
              (std::vector<std::pair<QString, int>>{{"COM0", 0}, {"COM3", 3}, {"COM5", 5}}));
    EXPECT_EQ(Form().ComboBoxCommIndex->currentIndex(), 0);
    EXPECT_EQ(ControlsNow(), CLOSED);
    EXPECT_FALSE(RS232Opened);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ConnectionTest, WithNoPortTheListSaysSoAndNothingCanBeOpened) {
    StartUp();
    EXPECT_EQ(ChannelCalls(), ScanOf({}));
    EXPECT_EQ(Form().ComboBoxCommIndex->count(), 0);
    EXPECT_EQ(Form().ComboBoxCommIndex->currentText(), "No RS232 port find !");
    EXPECT_EQ(ControlsNow(), (Controls{OPEN_CAPTION, false, true, false, false}));
    Click(Form().ButtonOpenRS232);
    EXPECT_EQ(ChannelCalls(), ScanOf({}));
    EXPECT_FALSE(RS232Opened);
}

TEST_F(ConnectionTest, ToggleOpensTheChannelItsItemNamesAndClosesItAgain) {
    AddDevice(3);
    StartUp();
    ChannelCalls().clear();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Click(Form().ButtonOpenRS232);
        EXPECT_EQ(ControlsNow(), OPEN);
        EXPECT_TRUE(RS232Opened);
        EXPECT_EQ(CommIndex, 3);
        Click(Form().ButtonOpenRS232);
        EXPECT_EQ(ControlsNow(), CLOSED);
        EXPECT_FALSE(RS232Opened);
        EXPECT_EQ(CommIndex, 3) << "kept after the close";
    }
    EXPECT_EQ(ChannelCalls(),
              (std::vector<std::string>{"open 3 -> 1", "close 3", "open 3 -> 1", "close 3"}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ConnectionTest, FailedOpenWarnsAtEveryPressAndChangesNothing) {
    AddDevice(3);
    AddDevice(5);
    StartUp();
    OpenPort();
    Click(Form().ButtonOpenRS232);
    HeldPort held(Device(5).LinkPath());
    PickItem(Form().ComboBoxCommIndex, 1);
    ChannelCalls().clear();
    Click(Form().ButtonOpenRS232);
    Click(Form().ButtonOpenRS232);
    const MessageBoxContent failed = Warning("Open RS232 port fail!", "Warning");
    EXPECT_EQ(Boxes(), (std::vector<MessageBoxContent>{failed, failed}));
    EXPECT_EQ(ChannelCalls(), (std::vector<std::string>{"open 5 -> 0", "open 5 -> 0"}));
    EXPECT_EQ(ControlsNow(), CLOSED);
    EXPECT_FALSE(RS232Opened);
    EXPECT_EQ(CommIndex, 3);
}

TEST_F(ConnectionTest, TypedTextNamingNoPortGivesTheIndexErrorAndATypedPortNameOpensIt) {
    AddDevice(3);
    AddDevice(5);
    StartUp();
    ChannelCalls().clear();
    QLineEdit* text = Form().ComboBoxCommIndex->lineEdit();
    Type(text, "COM9");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(Form().ComboBoxCommIndex->count(), 2) << "a typed text never becomes an item";
    Click(Form().ButtonOpenRS232);
    EXPECT_EQ(Boxes(),
              std::vector<MessageBoxContent>{ErrorReport("List index out of bounds (-1)")});
    EXPECT_TRUE(ChannelCalls().empty());
    EXPECT_EQ(ControlsNow(), CLOSED);

    Type(text, "COM5");
    Click(Form().ButtonOpenRS232);
    EXPECT_EQ(ChannelCalls(), std::vector<std::string>{"open 5 -> 1"});
    EXPECT_EQ(CommIndex, 5);
}

TEST_F(ConnectionTest, FileExitWithThePortOpenClosesItOnceAndEndsTheWindow) {
    AddDevice(3);
    StartUp();
    OpenPort();
    Form().Exit1->trigger();
    EXPECT_EQ(ChannelCalls(), std::vector<std::string>{"close 3"});
    EXPECT_FALSE(Form().isVisible());
    EXPECT_FALSE(RS232Opened);
    EXPECT_EQ(Form().ButtonOpenRS232->text(), OPEN_CAPTION);
    EXPECT_FALSE(Form().ButtonReadParameter->isEnabled());
    EXPECT_FALSE(Form().ButtonWriteParameter->isEnabled());
    // Released: anyone can open it now.
    EXPECT_EQ(VCI_OpenDevice(3), 1);
    VCI_CloseDevice(3);
}

TEST_F(ConnectionTest, ClosingTheWindowWithThePortOpenClosesItOnce) {
    AddDevice(3);
    StartUp();
    OpenPort();
    Form().close();
    EXPECT_EQ(ChannelCalls(), std::vector<std::string>{"close 3"});
    EXPECT_FALSE(Form().isVisible());
    EXPECT_FALSE(RS232Opened);
}

TEST_F(ConnectionTest, ClosingTheWindowWithThePortClosedClosesNothing) {
    AddDevice(3);
    StartUp();
    ChannelCalls().clear();
    Form().Exit1->trigger();
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(ChannelCalls().empty());
}

}  // namespace
}  // namespace veltrix::test
