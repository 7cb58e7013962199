// What the read and write transactions see of the window: its channel, the three buttons they
// disable while they wait, status panel 1 and the warning box.
#include <QLabel>
#include <QPushButton>

#include "MessageBox.h"
#include "PanelStatusBar.h"
#include "UnitCANConfig.h"

using veltrix::protocol::TransactionButton;

int32_t TFormCANConfig::CommIndex() const {
    return ::CommIndex;
}

void TFormCANConfig::SetButtonEnabled(TransactionButton button, bool enabled) {
    QPushButton* control = ButtonOpenRS232;
    if (button == TransactionButton::ReadParameter) {
        control = ButtonReadParameter;
    } else if (button == TransactionButton::WriteParameter) {
        control = ButtonWriteParameter;
    }
    control->setEnabled(enabled);
    // The transactions sleep on this thread next: painted now, or not before the wait is over.
    control->repaint();
}

void TFormCANConfig::SetStatusText(const std::string& text) {
    StatusBar1->Panel(1)->setText(QString::fromStdString(text));
}

void TFormCANConfig::ShowWarning(const std::string& text, const std::string& caption) {
    platform::WarningBox(text, caption);
}
