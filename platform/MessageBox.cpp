#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <iostream>
#include <utility>

namespace platform {

namespace {

// Without an application object no window can be shown; the message still reaches someone.
void WriteToStandardError(const MessageBoxContent& box) {
    std::cerr << box.caption << ": " << box.text << std::endl;
}

void ShowQtMessageBox(const MessageBoxContent& box) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        WriteToStandardError(box);
        return;
    }
    QMessageBox message(
        box.icon == MessageBoxIcon::Warning ? QMessageBox::Warning : QMessageBox::Critical,
        QString::fromStdString(box.caption), QString::fromStdString(box.text), QMessageBox::Ok);
    message.exec();
}

MessageBoxSink& CurrentSink() {
    static MessageBoxSink sink = ShowQtMessageBox;
    return sink;
}

}  // namespace

void ShowMessageBox(const MessageBoxContent& box) {
    CurrentSink()(box);
}

void WarningBox(const std::string& text, const std::string& caption) {
    ShowMessageBox({MessageBoxIcon::Warning, text, caption});
}

MessageBoxSink ReplaceMessageBoxSink(MessageBoxSink sink) {
    return std::exchange(CurrentSink(), sink ? std::move(sink) : ShowQtMessageBox);
}

}  // namespace platform
