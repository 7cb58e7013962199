// The main window: the connection group, the device group with its settings pages, the menu and
// the status bar; the enabling rules of the pages and the filter list editor.
#pragma once

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace window {
class PanelStatusBar;
class ReportListView;
}  // namespace window

class TFormCANConfig : public QMainWindow {
  public:
    // Builds every control with its default and initial state, then runs FormCreate.
    TFormCANConfig();

    // Menu.
    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* Exit1;
    QMenu* Window1;
    QAction* Torvane81;
    QAction* N1;
    QAction* N2;
    QAction* N3;
    QMenu* Help1;
    QAction* AboutCANConfig1;

    // Connection group.
    QGroupBox* GroupBox2;
    QPushButton* ButtonOpenRS232;
    QComboBox* ComboBoxCommIndex;
    QPushButton* ButtonReadParameter;
    QPushButton* ButtonWriteParameter;

    // Device group.
    QGroupBox* GroupBox3;
    QTabWidget* PageControlCANConfig;
    QWidget* TabSheet1;
    QTabWidget* PageControlVerdane4;
    window::PanelStatusBar* StatusBar1;

    // Page "基本信息".
    window::ReportListView* ListViewTorvane8BasicInfo;

    // Page "转换参数".
    QComboBox* ComboBoxSwitchMode;
    QComboBox* ComboBoxSwtichRoute;
    QComboBox* ComboBoxCANIDOffset;
    QComboBox* ComboBoxCANIDLen;
    QLineEdit* EditUARTFrameInterVal;
    QLineEdit* EditCANFrameInterval;
    QCheckBox* CheckBoxCANFrameInfoEnable;
    QCheckBox* CheckBoxCANIDInfoEnable;

    // Page "串口参数".
    QComboBox* ComboBoxUARTBuadrateIndex;
    QComboBox* ComboBoxUARTStopBitIndex;
    QComboBox* ComboBoxUARTDataBitIndex;
    QComboBox* ComboBoxUARTMode;
    QComboBox* ComboBoxUARTParityBitIndex;

    // Page "CAN参数".
    QComboBox* ComboBoxFDStandard;
    QComboBox* ComboBoxCANType;
    QComboBox* ComboBoxCANFrameType;
    QComboBox* ComboBoxBitRateSwitch;
    QLineEdit* EditCANID;
    QComboBox* ComboBoxtBaudrateIndexA;
    QComboBox* ComboBoxtBaudrateIndexB;
    QCheckBox* CheckBoxBuadrateCustom;
    QLineEdit* EditBaudrateA;
    QLineEdit* EditBaudrateB;

    // Page "滤波参数".
    window::ReportListView* ListViewTorvane8FrameID;
    QComboBox* ComboBoxTorvane8FrameType;
    QLineEdit* EditTorvane8StartID;
    QLineEdit* EditTorvane8EndID;
    QComboBox* ComboBoxTorvane8Port;
    QPushButton* ButtonTorvane8FilterIDAdd;
    QPushButton* ButtonTorvane8FilterIDDelete;
    QCheckBox* CheckBoxTorvane8FilterEnable;

    // Event handlers; each takes the control that raised the event and does not use it.
    void FormCreate(QObject* Sender);
    void Exit1Click(QObject* Sender);
    void AboutCANConfig1Click(QObject* Sender);
    void ComboBoxSwitchModeChange(QObject* Sender);
    void CheckBoxBuadrateCustomClick(QObject* Sender);
    void ButtonTorvane8FilterIDAddClick(QObject* Sender);
    void ButtonTorvane8FilterIDDeleteClick(QObject* Sender);
    void CheckBoxTorvane8FilterEnableClick(QObject* Sender);

    // The filter list editor.
    void FilterIDAdd();
    void FilterIDDelete();
    void FilterEnableApply();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildFrame();
    void BuildMenu();
    void BuildConnectionGroup(QWidget* client);
    void BuildDeviceGroup(QWidget* client);
    QWidget* BuildBasicInfoPage();
    QWidget* BuildConversionPage();
    QWidget* BuildSerialPage();
    QWidget* BuildCANPage();
    QWidget* BuildFilterPage();
    void ConnectHandlers();
    void RefillTorvane8Port();
};

extern TFormCANConfig* FormCANConfig;
