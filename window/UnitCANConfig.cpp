#include "UnitCANConfig.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <initializer_list>

#include "FormStyle.h"
#include "HandlerConnection.h"
#include "UnitAbout.h"

TFormCANConfig* FormCANConfig = nullptr;

namespace {

// Which controls of the conversion page each conversion mode enables.
struct ModeEnabling {
    bool idOffset;
    bool idLength;
    bool uartFrameInterval;
    bool canFrameInterval;
    bool frameInfoForwarding;
    bool idInfoForwarding;
};

constexpr std::array<ModeEnabling, 3> MODE_ENABLING = {{
    {false, false, true, true, true, true},     // 透明转换
    {true, true, true, true, false, false},     // 透明带标识转换
    {false, false, false, true, false, false},  // 格式转换
}};

constexpr int CONVERSION_PAGE = 1;

}  // namespace

TFormCANConfig::TFormCANConfig() : QMainWindow(nullptr, Qt::Window | window::CLOSE_BOX_ONLY) {
    setObjectName("FormCANConfig");
    BuildFrame();
    ConnectHandlers();
    // A failing creation handler is reported; the window is still created and shown.
    platform::RunHandler([this] { FormCreate(this); });
}

TFormCANConfig::~TFormCANConfig() {
    ClosePortIfOpen();
}

void TFormCANConfig::FormCreate(QObject* /*Sender*/) {
    ListOpenablePorts();
    FilterEnableApply();
    PageControlVerdane4->setCurrentIndex(CONVERSION_PAGE);
    RefillTorvane8Port();
    ComboBoxSwitchModeChange(nullptr);
}

void TFormCANConfig::AboutCANConfig1Click(QObject* /*Sender*/) {
    AboutBox->ShowModal();
}

void TFormCANConfig::ComboBoxSwitchModeChange(QObject* /*Sender*/) {
    const int mode = ComboBoxSwitchMode->currentIndex();
    if (mode < 0 || mode >= static_cast<int>(MODE_ENABLING.size())) {
        return;
    }
    const ModeEnabling& enabling = MODE_ENABLING[static_cast<size_t>(mode)];
    ComboBoxCANIDOffset->setEnabled(enabling.idOffset);
    ComboBoxCANIDLen->setEnabled(enabling.idLength);
    EditUARTFrameInterVal->setEnabled(enabling.uartFrameInterval);
    EditCANFrameInterval->setEnabled(enabling.canFrameInterval);
    CheckBoxCANFrameInfoEnable->setEnabled(enabling.frameInfoForwarding);
    CheckBoxCANIDInfoEnable->setEnabled(enabling.idInfoForwarding);
}

void TFormCANConfig::CheckBoxBuadrateCustomClick(QObject* /*Sender*/) {
    const bool custom = CheckBoxBuadrateCustom->isChecked();
    EditBaudrateA->setEnabled(custom);
    EditBaudrateB->setEnabled(custom);
    ComboBoxtBaudrateIndexA->setEnabled(!custom);
    ComboBoxtBaudrateIndexB->setEnabled(!custom);
}

void TFormCANConfig::ButtonTorvane8FilterIDAddClick(QObject* /*Sender*/) {
    FilterIDAdd();
}

void TFormCANConfig::ButtonTorvane8FilterIDDeleteClick(QObject* /*Sender*/) {
    FilterIDDelete();
}

void TFormCANConfig::CheckBoxTorvane8FilterEnableClick(QObject* /*Sender*/) {
    FilterEnableApply();
}

void TFormCANConfig::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    window::CentreOnScreen(*this);
}

void TFormCANConfig::ConnectHandlers() {
    using platform::ConnectHandler;
    ConnectHandler(ButtonOpenRS232, &QPushButton::clicked, this,
                   &TFormCANConfig::ButtonOpenRS232Click);
    ConnectHandler(ButtonReadParameter, &QPushButton::clicked, this,
                   &TFormCANConfig::ButtonReadParameterClick);
    ConnectHandler(ButtonWriteParameter, &QPushButton::clicked, this,
                   &TFormCANConfig::ButtonWriteParameterClick);
    ConnectHandler(Exit1, &QAction::triggered, this, &TFormCANConfig::Exit1Click);
    ConnectHandler(AboutCANConfig1, &QAction::triggered, this,
                   &TFormCANConfig::AboutCANConfig1Click);
    // A list's change handler runs when the user picks an item, never when code selects one.
    ConnectHandler(ComboBoxSwitchMode, &QComboBox::activated, this,
                   &TFormCANConfig::ComboBoxSwitchModeChange);
    // A check box's click handler runs whenever its state changes, by the user or by code.
    ConnectHandler(CheckBoxBuadrateCustom, &QCheckBox::toggled, this,
                   &TFormCANConfig::CheckBoxBuadrateCustomClick);
    for (QCheckBox* box :
         {CheckBoxTorvane8FilterEnable, CheckBoxCANFrameInfoEnable, CheckBoxCANIDInfoEnable}) {
        ConnectHandler(box, &QCheckBox::toggled, this,
                       &TFormCANConfig::CheckBoxTorvane8FilterEnableClick);
    }
    ConnectHandler(ButtonTorvane8FilterIDAdd, &QPushButton::clicked, this,
                   &TFormCANConfig::ButtonTorvane8FilterIDAddClick);
    ConnectHandler(ButtonTorvane8FilterIDDelete, &QPushButton::clicked, this,
                   &TFormCANConfig::ButtonTorvane8FilterIDDeleteClick);
}
