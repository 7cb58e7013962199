// What the transactions need of the window: three buttons, status panel 1 and a message box.
#pragma once

#include <cstdint>
#include <string>

namespace veltrix::protocol {

enum class TransactionButton { OpenRS232, ReadParameter, WriteParameter };

class TransactionView {
  public:
    virtual ~TransactionView() = default;
    virtual int32_t CommIndex() const = 0;  // the channel the window holds open
    virtual void SetButtonEnabled(TransactionButton button, bool enabled) = 0;
    virtual void SetStatusText(const std::string& text) = 0;  // status bar panel 1
    // A modal box with a warning icon and an OK button.
    virtual void ShowWarning(const std::string& text, const std::string& caption) = 0;
};

}  // namespace veltrix::protocol
