// The real window against simulated Veltrix-7A devices on pseudo-terminals, through the real
// channel layer and protocol, with boxes recorded instead of shown.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ChannelCalls.h"
#include "ExceptionReport.h"
#include "PanelStatusBar.h"
#include "PortDirectory.h"
#include "RecordedBoxes.h"
#include "SimulatedDevice.h"
#include "StartedForms.h"
#include "UserActions.h"

namespace veltrix::test {

using platform::MessageBoxContent;
using platform::MessageBoxIcon;

inline MessageBoxContent Warning(const std::string& text, const std::string& caption) {
    return {MessageBoxIcon::Warning, text, caption};
}

// The application's exception report of an error that left a handler.
inline MessageBoxContent ErrorReport(const std::string& message) {
    return {MessageBoxIcon::Error, message, platform::ApplicationTitle()};
}

// A port held as another program holds it: an open file of its own with an exclusive lock.
class HeldPort {
  public:
    explicit HeldPort(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
        EXPECT_GE(fd_, 0) << path;
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0) << path;
    }
    ~HeldPort() { ::close(fd_); }
    HeldPort(const HeldPort&) = delete;
    HeldPort& operator=(const HeldPort&) = delete;

  private:
    int fd_;
};

class ConnectFixture : public ::testing::Test {
  protected:
    ConnectFixture() {
        RS232Opened = false;
        CommIndex = 0;
        ChannelCalls().clear();
    }

    // A device that answers at once, linked as COM<comNumber>.
    sim::SimulatedDevice& AddDevice(int comNumber,
                                    const protocol::ParameterImage& image = sim::FactoryImage()) {
        auto& device = devices_[comNumber];
        device = std::make_unique<sim::SimulatedDevice>(sim::SimulatedDevice::Options{
            .comNumber = comNumber, .portDir = ports_.Path(), .paced = false, .image = image});
        return *device;
    }

    sim::SimulatedDevice& Device(int comNumber) { return *devices_.at(comNumber); }

    // Start-up: the main window, whose creation scans the ports, and the About box; then the
    // main window is shown.
    void StartUp() {
        forms_.emplace();
        Form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    }

    TFormCANConfig& Form() { return forms_->Form(); }

    // Presses the toggle on the selected port and expects it open.
    void OpenPort() {
        Click(Form().ButtonOpenRS232);
        ASSERT_TRUE(RS232Opened);
        ChannelCalls().clear();
    }

    // Shows the settings page `index`, as a user does before working its controls.
    void ShowPage(int index) { Form().PageControlVerdane4->setCurrentIndex(index); }

    QString Status() { return Form().StatusBar1->Panel(1)->text(); }
    const std::vector<MessageBoxContent>& Boxes() const { return boxes_.Shown(); }

    PortDirectory ports_;
    std::map<int, std::unique_ptr<sim::SimulatedDevice>> devices_;
    RecordedBoxes boxes_;
    // Last: the window closes an open port before the devices go.
    std::optional<StartedForms> forms_;
};

}  // namespace veltrix::test
