// The port list, the open/close toggle and closing the port when the program ends.
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>

#include "Exception.h"
#include "ExceptionReport.h"
#include "MessageBox.h"
#include "UnitCANConfig.h"
#include "vci.h"

bool RS232Opened = false;
int32_t CommIndex = 0;

namespace {

// Channels 0 to 23 name the ports COM0 to COM23.
constexpr int32_t CHANNEL_COUNT = 24;
constexpr char OPEN_CAPTION[] = "打开串口";
constexpr char CLOSE_CAPTION[] = "关闭串口";

}  // namespace

void TFormCANConfig::ListOpenablePorts() {
    ComboBoxCommIndex->clear();
    // A port that opens now is free and usable; it is closed again at once.
    for (int32_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
        if (VCI_OpenDevice(channel) != 0) {
            ComboBoxCommIndex->addItem(QString("COM%1").arg(channel), channel);
            VCI_CloseDevice(channel);
        }
    }
    if (ComboBoxCommIndex->count() == 0) {
        ComboBoxCommIndex->setEditText("No RS232 port find !");
        ButtonOpenRS232->setEnabled(false);
    } else {
        ComboBoxCommIndex->setCurrentIndex(0);
        ButtonOpenRS232->setEnabled(true);
    }
}

void TFormCANConfig::ButtonOpenRS232Click(QObject* /*Sender*/) {
    if (RS232Opened) {
        ShowPortClosed();
        ComboBoxCommIndex->setEnabled(true);
        VCI_CloseDevice(::CommIndex);
        return;
    }
    const int32_t channel = SelectedChannel();
    if (VCI_OpenDevice(channel) == 0) {
        platform::WarningBox("Open RS232 port fail!", "Warning");
        return;
    }
    ButtonOpenRS232->setText(CLOSE_CAPTION);
    RS232Opened = true;
    ButtonReadParameter->setEnabled(true);
    ButtonWriteParameter->setEnabled(true);
    ::CommIndex = channel;
    ComboBoxCommIndex->setEnabled(false);
}

void TFormCANConfig::Exit1Click(QObject* /*Sender*/) {
    ClosePortIfOpen();
    close();
}

void TFormCANConfig::FormClose(QObject* /*Sender*/, QCloseEvent* /*Action*/) {
    ClosePortIfOpen();
}

void TFormCANConfig::closeEvent(QCloseEvent* event) {
    platform::RunHandler([&] { FormClose(this, event); });
    QMainWindow::closeEvent(event);
}

// The item the list's text names. The user may type over the text; an item is named only by its
// exact text, so a typed text never opens a port other than the one it shows.
int32_t TFormCANConfig::SelectedChannel() const {
    const int index = ComboBoxCommIndex->findText(ComboBoxCommIndex->currentText());
    if (index < 0) {
        throw platform::EListError(index);
    }
    return ComboBoxCommIndex->itemData(index).toInt();
}

void TFormCANConfig::ShowPortClosed() {
    ButtonOpenRS232->setText(OPEN_CAPTION);
    RS232Opened = false;
    ButtonReadParameter->setEnabled(false);
    ButtonWriteParameter->setEnabled(false);
}

void TFormCANConfig::ClosePortIfOpen() {
    if (RS232Opened) {
        ShowPortClosed();
        VCI_CloseDevice(::CommIndex);
    }
}
