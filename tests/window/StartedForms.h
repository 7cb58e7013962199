// The main window and the About box as start-up creates them, held in the program-wide variables
// while they live. Creating the main window scans the ports of VELTRIX_PORT_DIR.
#pragma once

#include <memory>

#include "UnitAbout.h"
#include "UnitCANConfig.h"

namespace veltrix::test {

class StartedForms {
  public:
    StartedForms() {
        FormCANConfig = form_.get();
        AboutBox = aboutBox_.get();
    }
    ~StartedForms() {
        AboutBox = nullptr;
        FormCANConfig = nullptr;
    }
    StartedForms(const StartedForms&) = delete;
    StartedForms& operator=(const StartedForms&) = delete;

    TFormCANConfig& Form() { return *form_; }
    TAboutBox& About() { return *aboutBox_; }

  private:
    std::unique_ptr<TFormCANConfig> form_ = std::make_unique<TFormCANConfig>();
    std::unique_ptr<TAboutBox> aboutBox_ = std::make_unique<TAboutBox>();
};

}  // namespace veltrix::test
