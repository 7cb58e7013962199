// The main window: the connection group, the device group with its settings pages, the menu and
// the status bar; the enabling rules of the pages and the filter list editor; the port toggle and
// the transfer of the settings to and from the device.
#pragma once

#include <QMainWindow>

#include <cstdint>

#include "ParameterImage.h"
#include "TransactionView.h"

class QAction;
class QCheckBox;
class QCloseEvent;
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
namespace transfer {
struct Settings;
}  // namespace transfer
}  // namespace window

// The window is what the read and write transactions report to.
class TFormCANConfig : public QMainWindow, public veltrix::protocol::TransactionView {
  public:
    // Builds every control with its default and initial state, then runs FormCreate.
    TFormCANConfig();
    // Closes the port if it is still open, as when the window closes.
    ~TFormCANConfig() override;

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
    // Leaves the close action as it is, so closing the main window ends the application.
    void FormClose(QObject* Sender, QCloseEvent* Action);
    void ButtonOpenRS232Click(QObject* Sender);
    void ButtonReadParameterClick(QObject* Sender);
    void ButtonWriteParameterClick(QObject* Sender);
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

    // The transfer between the controls and a parameter image.
    void LoadImageToForm(const veltrix::protocol::ParameterImage& image);
    void ShowBasicInfo(const veltrix::protocol::ParameterImage& image);
    void ImageToFilterList(const veltrix::protocol::ParameterImage& image);
    void WriteFormToDevice(uint8_t pageIndex);
    void FilterListToImage(veltrix::protocol::ParameterImage& image);

    // What the transactions need of the window.
    int32_t CommIndex() const override;
    void SetButtonEnabled(veltrix::protocol::TransactionButton button, bool enabled) override;
    void SetStatusText(const std::string& text) override;
    void ShowWarning(const std::string& text, const std::string& caption) override;

  protected:
    void showEvent(QShowEvent* event) override;
    // Runs FormClose for every way of closing the window.
    void closeEvent(QCloseEvent* event) override;

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

    // The port list, the toggle and the end of the program.
    void ListOpenablePorts();
    int32_t SelectedChannel() const;
    void ShowPortClosed();
    void ClosePortIfOpen();

    // The controls of the settings pages as plain values, and back.
    window::transfer::Settings ReadSettings() const;
    void ApplySettings(const window::transfer::Settings& settings);
    // The page of PageControlCANConfig in front, as the requests carry it.
    uint8_t ActivePageIndex() const;
};

extern TFormCANConfig* FormCANConfig;

// True exactly while the window holds a port open.
extern bool RS232Opened;
// The channel of the port last opened with success; the transactions talk to it. Within the
// window's members, the name means the method of the same name: use ::CommIndex there.
extern int32_t CommIndex;
