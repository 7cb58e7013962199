// The frame of the main window: menu, connection group, device group and status bar, placed in a
// client area of fixed size below the menu bar.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ControlFactory.h"
#include "FormStyle.h"
#include "MakerAddress.h"
#include "PanelStatusBar.h"
#include "UnitCANConfig.h"

namespace {

constexpr int CLIENT_WIDTH = 694;
constexpr int CLIENT_HEIGHT = 419;
constexpr int STATUS_PANEL_0_WIDTH = 350;
constexpr int STATUS_PANEL_1_WIDTH = 50;
constexpr int HIDDEN_PAGE = 5;

QMenu* NewMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QAction* NewMenuItem(QMenu* menu, const char* name, const QString& text) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

QAction* NewSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

}  // namespace

void TFormCANConfig::BuildFrame() {
    setWindowTitle("Veltrix 配置工具");
    setFont(window::FormFont());
    BuildMenu();
    auto* client = new QWidget();
    client->setObjectName("ClientArea");
    client->setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    setCentralWidget(client);
    // The device group comes first in the tab order.
    BuildDeviceGroup(client);
    BuildConnectionGroup(client);

    StatusBar1 =
        new window::PanelStatusBar("StatusBar1", STATUS_PANEL_0_WIDTH, STATUS_PANEL_1_WIDTH);
    window::Place(StatusBar1, client, {0, 400, CLIENT_WIDTH, 19});
    StatusBar1->Panel(0)->setAlignment(Qt::AlignCenter);
    StatusBar1->Panel(0)->setText(window::MAKER_WEB_ADDRESS);
    StatusBar1->Panel(1)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The menu bar lies above the client area, as a caption would.
    setFixedSize(CLIENT_WIDTH, MainMenu1->sizeHint().height() + CLIENT_HEIGHT);
}

void TFormCANConfig::BuildMenu() {
    MainMenu1 = new QMenuBar();
    MainMenu1->setObjectName("MainMenu1");
    setMenuBar(MainMenu1);
    File1 = NewMenu(MainMenu1, "File1", "File");
    Exit1 = NewMenuItem(File1, "Exit1", "Exit");
    Window1 = NewMenu(MainMenu1, "Window1", "Window");
    Window1->setSeparatorsCollapsible(false);
    Torvane81 = NewMenuItem(Window1, "Torvane81", "Veltrix-7A");
    N1 = NewSeparator(Window1, "N1");
    N2 = NewSeparator(Window1, "N2");
    N3 = NewSeparator(Window1, "N3");
    Help1 = NewMenu(MainMenu1, "Help1", "About");
    AboutCANConfig1 = NewMenuItem(Help1, "AboutCANConfig1", "About Veltrix");
}

void TFormCANConfig::BuildConnectionGroup(QWidget* client) {
    GroupBox2 = new QGroupBox("RS232 参数");
    GroupBox2->setObjectName("GroupBox2");
    window::Place(GroupBox2, client, {8, 0, 681, 49});

    // Created in tab order.
    ButtonOpenRS232 = window::NewButton("ButtonOpenRS232", "打开串口");
    window::Place(ButtonOpenRS232, GroupBox2, {344, 16, 105, 25});
    ButtonOpenRS232->setEnabled(false);
    ComboBoxCommIndex = new QComboBox();
    ComboBoxCommIndex->setObjectName("ComboBoxCommIndex");
    ComboBoxCommIndex->setEditable(true);
    // A typed text never becomes an item: an item without a channel would name no port.
    ComboBoxCommIndex->setInsertPolicy(QComboBox::NoInsert);
    window::Place(ComboBoxCommIndex, GroupBox2, {16, 16, 145, 21});
    ButtonReadParameter = window::NewButton("ButtonReadParameter", "读取参数");
    window::Place(ButtonReadParameter, GroupBox2, {448, 16, 105, 25});
    ButtonReadParameter->setEnabled(false);
    ButtonWriteParameter = window::NewButton("ButtonWriteParameter", "写入参数");
    window::Place(ButtonWriteParameter, GroupBox2, {552, 16, 105, 25});
    ButtonWriteParameter->setEnabled(false);
}

void TFormCANConfig::BuildDeviceGroup(QWidget* client) {
    GroupBox3 = new QGroupBox("设备参数");
    GroupBox3->setObjectName("GroupBox3");
    window::Place(GroupBox3, client, {8, 56, 681, 345});

    PageControlCANConfig = new QTabWidget();
    PageControlCANConfig->setObjectName("PageControlCANConfig");
    window::Place(PageControlCANConfig, GroupBox3, {8, 16, 665, 321});
    TabSheet1 = new QWidget();
    TabSheet1->setObjectName("TabSheet1");
    PageControlCANConfig->addTab(TabSheet1, "Veltrix-7A");

    PageControlVerdane4 = new QTabWidget();
    PageControlVerdane4->setObjectName("PageControlVerdane4");
    auto* sheet = new QVBoxLayout(TabSheet1);
    sheet->setContentsMargins(4, 4, 4, 4);
    sheet->addWidget(PageControlVerdane4);
    PageControlVerdane4->addTab(BuildBasicInfoPage(), "基本信息");
    PageControlVerdane4->addTab(BuildConversionPage(), "转换参数");
    PageControlVerdane4->addTab(BuildSerialPage(), "串口参数");
    PageControlVerdane4->addTab(BuildCANPage(), "CAN参数");
    PageControlVerdane4->addTab(BuildFilterPage(), "滤波参数");
    PageControlVerdane4->addTab(new QWidget(), "Product Description");
    PageControlVerdane4->setTabVisible(HIDDEN_PAGE, false);
}
