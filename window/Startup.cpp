#include "Startup.h"

#include <QApplication>

#include <memory>
#include <optional>

#include "ExceptionReport.h"
#include "UnitAbout.h"
#include "UnitCANConfig.h"

namespace window {

int RunGuarded(const std::function<void()>& steps) {
    platform::RunHandler(steps);
    return 0;
}

int RunApplication(int& argc, char** argv) {
    // Held outside the guard, so that a failure after it exists is still shown in a box.
    std::optional<QApplication> application;
    // Declared after the application: the forms are gone before it is.
    std::unique_ptr<TFormCANConfig> mainForm;
    std::unique_ptr<TAboutBox> aboutBox;
    const int exitCode = RunGuarded([&] {
        application.emplace(argc, argv);
        mainForm = std::make_unique<TFormCANConfig>();
        FormCANConfig = mainForm.get();
        aboutBox = std::make_unique<TAboutBox>();
        AboutBox = aboutBox.get();
        FormCANConfig->show();
        // Returns once the last window, the main window, has closed.
        application->exec();
    });
    FormCANConfig = nullptr;
    AboutBox = nullptr;
    return exitCode;
}

}  // namespace window
