// The filter page: enabling by "Filter Enable", adding with its checks in their order, deleting.
#include <QHeaderView>

#include <vector>

#include "ExceptionReport.h"
#include "FormFixture.h"

namespace veltrix::test {
namespace {

using platform::MessageBoxContent;
using platform::MessageBoxIcon;

const MessageBoxContent LIST_FULL = {MessageBoxIcon::Warning, "All the filter has been used!",
                                     "Waring"};
const MessageBoxContent REVERSED = {MessageBoxIcon::Warning,
                                    "Start ID must be smaller than End ID!", "Warning"};

MessageBoxContent ConversionError(const std::string& text) {
    return {MessageBoxIcon::Error, "'" + text + "' is not a valid integer value",
            platform::ApplicationTitle()};
}

QStringList Row(const QString& frameType, const QString& start, const QString& end) {
    return {"CAN1", frameType, start, end};
}

// The filter page in front with "Filter Enable" ticked by the user.
class FilterEditorTest : public FormFixture {
  protected:
    void SetUp() override {
        ShowPage(4);
        Click(Form().CheckBoxTorvane8FilterEnable);
        ASSERT_TRUE(Form().ButtonTorvane8FilterIDAdd->isEnabled());
    }

    // Types the range, picks the frame type and presses "Add".
    void Add(const QString& start, const QString& end, int frameType = 0) {
        Type(Form().EditTorvane8StartID, start);
        Type(Form().EditTorvane8EndID, end);
        PickItem(Form().ComboBoxTorvane8FrameType, frameType);
        Click(Form().ButtonTorvane8FilterIDAdd);
    }

    std::vector<QStringList> Rows() {
        std::vector<QStringList> rows;
        for (int row = 0; row < List().rowCount(); ++row) {
            rows.push_back(List().RowTexts(row));
        }
        return rows;
    }

    window::ReportListView& List() { return *Form().ListViewTorvane8FrameID; }

    std::vector<MessageBoxContent> Boxes() { return boxes_.Shown(); }

    // Fills the list to 16 rows with the one-identifier ranges 1 to 16.
    void FillList() {
        for (int id = 1; id <= 16; ++id) {
            Add(QString::number(id, 16), QString::number(id, 16));
        }
        ASSERT_EQ(List().rowCount(), 16);
        ASSERT_TRUE(Boxes().empty());
    }
};

std::vector<bool> EditorEnabled(TFormCANConfig& form) {
    return {
        form.ListViewTorvane8FrameID->isEnabled(),     form.ComboBoxTorvane8Port->isEnabled(),
        form.ComboBoxTorvane8FrameType->isEnabled(),   form.EditTorvane8StartID->isEnabled(),
        form.EditTorvane8EndID->isEnabled(),           form.ButtonTorvane8FilterIDAdd->isEnabled(),
        form.ButtonTorvane8FilterIDDelete->isEnabled()};
}

class FilterPageAtStartTest : public FormFixture {};

TEST_F(FilterPageAtStartTest, EditorIsDisabledWithItsDefaultsAndTheHiddenPortListHoldsCan1) {
    TFormCANConfig& form = Form();
    EXPECT_EQ(EditorEnabled(form), std::vector<bool>(7, false));
    EXPECT_TRUE(form.CheckBoxTorvane8FilterEnable->isEnabled());
    EXPECT_FALSE(form.CheckBoxTorvane8FilterEnable->isChecked());
    EXPECT_EQ(form.CheckBoxTorvane8FilterEnable->text(), "Filter Enable");
    EXPECT_EQ(form.ButtonTorvane8FilterIDAdd->text(), "Add");
    EXPECT_EQ(form.ButtonTorvane8FilterIDDelete->text(), "Delete");

    EXPECT_EQ(form.EditTorvane8StartID->text(), "00000000");
    EXPECT_EQ(LabelOf(form.EditTorvane8StartID), "Start ID: 0x     ");
    EXPECT_EQ(form.EditTorvane8EndID->text(), "FFFFFFFF");
    EXPECT_EQ(LabelOf(form.EditTorvane8EndID), "End ID: 0x     ");
    EXPECT_EQ(LabelOf(form.ComboBoxTorvane8FrameType), "Frame Type:");
    ASSERT_EQ(form.ComboBoxTorvane8FrameType->count(), 2);
    EXPECT_EQ(form.ComboBoxTorvane8FrameType->itemText(0), "Standard Frame");
    EXPECT_EQ(form.ComboBoxTorvane8FrameType->itemText(1), "Extend   Frame");
    EXPECT_EQ(form.ComboBoxTorvane8FrameType->currentIndex(), 0);

    QComboBox* port = form.ComboBoxTorvane8Port;
    EXPECT_TRUE(IsHidden(port));
    EXPECT_EQ(LabelOf(port), "Port:     ");
    ASSERT_EQ(port->count(), 2);
    EXPECT_EQ(port->itemText(0), "CAN0");
    EXPECT_EQ(port->itemData(0).toInt(), 0);
    EXPECT_EQ(port->itemText(1), "CAN1");
    EXPECT_EQ(port->itemData(1).toInt(), 1);
    EXPECT_EQ(port->currentIndex(), 1);

    const window::ReportListView& list = *form.ListViewTorvane8FrameID;
    EXPECT_EQ(list.rowCount(), 0);
    const std::pair<QString, int> columns[] = {
        {"Port", 100}, {"Frame Type", 150}, {"Start ID", 150}, {"End ID", 150}};
    ASSERT_EQ(list.columnCount(), 4);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list.horizontalHeaderItem(column)->text(), columns[column].first);
        EXPECT_EQ(list.columnWidth(column), columns[column].second);
    }
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(list.showGrid());
}

TEST_F(FilterEditorTest, FilterEnableSwitchesTheEditorAndKeepsTheRows) {
    EXPECT_EQ(EditorEnabled(Form()), std::vector<bool>(7, true));
    Click(Form().ButtonTorvane8FilterIDAdd);
    Click(Form().CheckBoxTorvane8FilterEnable);
    EXPECT_EQ(EditorEnabled(Form()), std::vector<bool>(7, false));
    EXPECT_TRUE(Form().CheckBoxTorvane8FilterEnable->isEnabled());
    EXPECT_EQ(List().rowCount(), 1);
    // From code, as a loaded image does it.
    Form().CheckBoxTorvane8FilterEnable->setChecked(true);
    EXPECT_EQ(EditorEnabled(Form()), std::vector<bool>(7, true));
}

TEST_F(FilterEditorTest, AddWithTheDefaultsMasksToTheFrameTypesIdentifierWidth) {
    Click(Form().ButtonTorvane8FilterIDAdd);
    PickItem(Form().ComboBoxTorvane8FrameType, 1);
    Click(Form().ButtonTorvane8FilterIDAdd);
    EXPECT_EQ(Rows(), std::vector<QStringList>({
                          Row("Standard Frame", "0x00000000", "0x000007FF"),
                          Row("Extend   Frame", "0x00000000", "0x1FFFFFFF"),
                      }));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(FilterEditorTest, AddTurnsTypedRangesIntoRowsOrTheirMessage) {
    const struct {
        const char* start;
        const char* end;
        int frameType;
        std::vector<QStringList> rows;
        std::vector<MessageBoxContent> boxes;
    } cases[] = {
        // The mask drops the upper bits, it does not clamp.
        {"800", "FFF", 0, {Row("Standard Frame", "0x00000000", "0x000007FF")}, {}},
        {"10", "10", 0, {Row("Standard Frame", "0x00000010", "0x00000010")}, {}},
        {"20", "10", 0, {}, {REVERSED}},
        {"1FFFFFFF", "20000000", 1, {}, {REVERSED}},
        {"abc", "abcd", 1, {Row("Extend   Frame", "0x00000ABC", "0x0000ABCD")}, {}},
        {"000000001", "2", 0, {Row("Standard Frame", "0x00000001", "0x00000002")}, {}},
        {"123456789", "2", 0, {}, {ConversionError("0x123456789")}},
        {"", "10", 0, {}, {ConversionError("0x")}},
        {"10", "", 0, {}, {ConversionError("0x")}},
        {" 10", "20", 0, {}, {ConversionError("0x 10")}},
        {"0x10", "20", 0, {}, {ConversionError("0x0x10")}},
        {"10", "-1", 0, {}, {ConversionError("0x-1")}},
        // The start is converted first; the end is then not looked at.
        {"G", "H", 0, {}, {ConversionError("0xG")}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.start) + " .. " + each.end);
        List().setRowCount(0);
        boxes_.Forget();
        Add(each.start, each.end, each.frameType);
        EXPECT_EQ(Rows(), each.rows);
        EXPECT_EQ(Boxes(), each.boxes);
        // Whatever the outcome, the inputs stay as typed.
        EXPECT_EQ(Form().EditTorvane8StartID->text(), each.start);
        EXPECT_EQ(Form().EditTorvane8EndID->text(), each.end);
        EXPECT_EQ(Form().ComboBoxTorvane8FrameType->currentIndex(), each.frameType);
    }
}

TEST_F(FilterEditorTest, SameRangeAgainIsASilentDuplicateHoweverItWasTyped) {
    Add("7ff", "7ff");
    Add("000007FF", "7FF");
    Add("7ff", "7ff", 1);
    EXPECT_EQ(Rows(), std::vector<QStringList>({
                          Row("Standard Frame", "0x000007FF", "0x000007FF"),
                          Row("Extend   Frame", "0x000007FF", "0x000007FF"),
                      }));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(FilterEditorTest, RowOfAnotherPortIsNoDuplicate) {
    // A row as a loaded image may bring it: any port but 1 shows an empty caption.
    List().AddRow({"", "Standard Frame", "0x00000000", "0x000007FF"});
    Click(Form().ButtonTorvane8FilterIDAdd);
    EXPECT_EQ(Rows(), std::vector<QStringList>({
                          {"", "Standard Frame", "0x00000000", "0x000007FF"},
                          Row("Standard Frame", "0x00000000", "0x000007FF"),
                      }));
}

TEST_F(FilterEditorTest, FullListRefusesEvenDuplicatesAndReversedRangesButConvertsFirst) {
    FillList();
    Add("1", "1");
    Add("20", "10");
    Add("30", "30");
    EXPECT_EQ(Boxes(), std::vector<MessageBoxContent>({LIST_FULL, LIST_FULL, LIST_FULL}));
    boxes_.Forget();
    Add("30", "xyz");
    EXPECT_EQ(Boxes(), std::vector<MessageBoxContent>({ConversionError("0xxyz")}));
    EXPECT_EQ(List().rowCount(), 16);
}

TEST_F(FilterEditorTest, SelectedRowsAreDeletedTheOthersKeepTheirOrder) {
    for (const char* id : {"1", "2", "3", "4", "5"}) {
        Add(id, id);
    }
    Click(Form().ButtonTorvane8FilterIDDelete);
    EXPECT_EQ(List().rowCount(), 5);

    for (const int row : {0, 2, 3}) {
        const QRect cell = List().visualRect(List().model()->index(row, 1));
        QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
    }
    Click(Form().ButtonTorvane8FilterIDDelete);
    EXPECT_EQ(Rows(), std::vector<QStringList>({
                          Row("Standard Frame", "0x00000002", "0x00000002"),
                          Row("Standard Frame", "0x00000005", "0x00000005"),
                      }));
    EXPECT_TRUE(Boxes().empty());
}

}  // namespace
}  // namespace veltrix::test
