// The main window's frame: caption, border, fixed client area, the two groups, the page controls,
// the status bar and the menu.
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "FormFixture.h"
#include "PanelStatusBar.h"

namespace veltrix::test {
namespace {

class FrameTest : public FormFixture {};

TEST_F(FrameTest, MainWindowHasCaptionCloseBoxOnlyAndFixedClientAreaBelowTheMenu) {
    ShowPage(1);
    TFormCANConfig& form = Form();
    EXPECT_EQ(form.windowTitle(), "Veltrix 配置工具");
    EXPECT_EQ(form.objectName(), "FormCANConfig");

    // A normal window, so that closing it ends the application.
    EXPECT_EQ(form.windowType(), Qt::Window);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form.testAttribute(Qt::WA_QuitOnClose));

    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.centralWidget()->size(), QSize(694, 419));
    EXPECT_EQ(form.centralWidget()->y(), form.menuBar()->height());
    EXPECT_EQ(form.height(), form.menuBar()->height() + 419);

    const QRect available = form.screen()->availableGeometry();
    EXPECT_LE((form.frameGeometry().center() - available.center()).manhattanLength(), 1);
}

TEST_F(FrameTest, FrameControlsHaveTheirPlaceCaptionAndInitialState) {
    TFormCANConfig& form = Form();
    const struct {
        QWidget* control;
        QWidget* parent;
        QRect geometry;
        QString caption;
        bool enabled;
    } controls[] = {
        {form.GroupBox2, form.centralWidget(), {8, 0, 681, 49}, "RS232 参数", true},
        {form.ButtonOpenRS232, form.GroupBox2, {344, 16, 105, 25}, "打开串口", false},
        {form.ComboBoxCommIndex, form.GroupBox2, {16, 16, 145, 21}, "", true},
        {form.ButtonReadParameter, form.GroupBox2, {448, 16, 105, 25}, "读取参数", false},
        {form.ButtonWriteParameter, form.GroupBox2, {552, 16, 105, 25}, "写入参数", false},
        {form.GroupBox3, form.centralWidget(), {8, 56, 681, 345}, "设备参数", true},
        {form.PageControlCANConfig, form.GroupBox3, {8, 16, 665, 321}, "", true},
        {form.StatusBar1, form.centralWidget(), {0, 400, 694, 19}, "", true},
    };
    for (const auto& each : controls) {
        const std::string name = each.control->objectName().toStdString();
        EXPECT_EQ(each.control->parentWidget(), each.parent) << name;
        EXPECT_EQ(each.control->geometry(), each.geometry) << name;
        const QString caption =
            each.control->property("text").toString() + each.control->property("title").toString();
        EXPECT_EQ(caption, each.caption) << name;
        EXPECT_EQ(each.control->isEnabled(), each.enabled) << name;
    }
    EXPECT_TRUE(form.ComboBoxCommIndex->isEditable());
    // The fixture's port directory holds no port.
    EXPECT_EQ(form.ComboBoxCommIndex->count(), 0);
    EXPECT_EQ(form.ComboBoxCommIndex->currentText(), "No RS232 port find !");
}

TEST_F(FrameTest, DeviceGroupHoldsOnePageWithTheSettingsPagesTheLastOneHidden) {
    TFormCANConfig& form = Form();
    ASSERT_EQ(form.PageControlCANConfig->count(), 1);
    EXPECT_EQ(form.PageControlCANConfig->tabText(0), "Veltrix-7A");
    EXPECT_EQ(form.PageControlCANConfig->currentWidget(), form.TabSheet1);
    EXPECT_EQ(form.PageControlVerdane4->parentWidget(), form.TabSheet1);

    const QString expected[] = {"基本信息", "转换参数", "串口参数",
                                "CAN参数",  "滤波参数", "Product Description"};
    ASSERT_EQ(form.PageControlVerdane4->count(), 6);
    for (int page = 0; page < 6; ++page) {
        EXPECT_EQ(form.PageControlVerdane4->tabText(page), expected[page]);
        EXPECT_EQ(form.PageControlVerdane4->isTabVisible(page), page != 5) << page;
    }
    EXPECT_TRUE(form.PageControlVerdane4->widget(5)->children().isEmpty());
    // Start-up shows the conversion page.
    EXPECT_EQ(form.PageControlVerdane4->currentIndex(), 1);
}

TEST_F(FrameTest, StatusBarShowsTheWebAddressCentredAndLeavesTheOutcomePanelEmpty) {
    ShowPage(1);
    const window::PanelStatusBar& bar = *Form().StatusBar1;
    EXPECT_EQ(bar.Panel(0)->width(), 350);
    EXPECT_EQ(bar.Panel(0)->alignment(), Qt::AlignCenter);
    EXPECT_EQ(bar.Panel(0)->text(), "www.veltrix-devices.com");
    // The outcome texts are longer than 50 pixels: the last panel takes the rest of the bar.
    EXPECT_GE(bar.Panel(1)->width(), 50);
    EXPECT_GT(bar.Panel(1)->x(), bar.Panel(0)->geometry().right());
    EXPECT_EQ(bar.Panel(1)->geometry().right(), bar.width() - 1);
    EXPECT_EQ(bar.Panel(1)->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(bar.Panel(1)->text(), "");
    EXPECT_THROW(bar.Panel(2), std::out_of_range);
}

// "-" stands for a separator.
std::vector<QString> ItemsOf(const QMenu* menu) {
    std::vector<QString> items;
    for (const QAction* item : menu->actions()) {
        items.push_back(item->isSeparator() ? "-" : item->text());
        EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
    }
    return items;
}

TEST_F(FrameTest, MenuHasItsThreeMenusWithTheirItemsAndNoShortcuts) {
    TFormCANConfig& form = Form();
    ASSERT_EQ(form.menuBar(), form.MainMenu1);
    std::vector<QString> titles;
    for (const QAction* menu : form.MainMenu1->actions()) {
        titles.push_back(menu->text());
    }
    EXPECT_EQ(titles, (std::vector<QString>{"File", "Window", "About"}));
    EXPECT_EQ(ItemsOf(form.File1), (std::vector<QString>{"Exit"}));
    EXPECT_EQ(ItemsOf(form.Window1), (std::vector<QString>{"Veltrix-7A", "-", "-", "-"}));
    EXPECT_EQ(ItemsOf(form.Help1), (std::vector<QString>{"About Veltrix"}));

    const std::pair<QObject*, const char*> names[] = {
        {form.File1, "File1"},
        {form.Exit1, "Exit1"},
        {form.Window1, "Window1"},
        {form.Torvane81, "Torvane81"},
        {form.N1, "N1"},
        {form.N2, "N2"},
        {form.N3, "N3"},
        {form.Help1, "Help1"},
        {form.AboutCANConfig1, "AboutCANConfig1"},
    };
    for (const auto& [item, name] : names) {
        EXPECT_EQ(item->objectName(), name);
    }
}

TEST_F(FrameTest, WindowMenuItemDoesNothing) {
    ShowPage(1);
    Form().Torvane81->trigger();
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(FrameTest, FileExitClosesTheMainWindow) {
    ShowPage(1);
    Form().Exit1->trigger();
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(FrameTest, TabOrderVisitsTheDeviceGroupFirstThenTheConnectionControlsInOrder) {
    TFormCANConfig& form = Form();
    std::vector<QWidget*> chain;
    QWidget* widget = form.PageControlCANConfig;
    do {
        chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != form.PageControlCANConfig);
    const auto position = [&](QWidget* control) {
        return std::find(chain.begin(), chain.end(), control) - chain.begin();
    };
    EXPECT_LT(position(form.PageControlVerdane4), position(form.ButtonOpenRS232));
    EXPECT_LT(position(form.ButtonOpenRS232), position(form.ComboBoxCommIndex));
    EXPECT_LT(position(form.ComboBoxCommIndex), position(form.ButtonReadParameter));
    EXPECT_LT(position(form.ButtonReadParameter), position(form.ButtonWriteParameter));
}

}  // namespace
}  // namespace veltrix::test
