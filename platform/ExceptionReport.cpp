#include "ExceptionReport.h"

#include <QCoreApplication>

#include "Exception.h"
#include "MessageBox.h"

namespace platform {

std::string ApplicationTitle() {
    return QCoreApplication::applicationName().toStdString();
}

void ShowException(const std::exception& error) {
    ShowMessageBox({MessageBoxIcon::Error, error.what(), ApplicationTitle()});
}

void ReportCurrentException() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(Exception(""));
    }
}

}  // namespace platform
