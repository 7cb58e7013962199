// The window as the benchmarks need it: buttons that go nowhere, and the last status text and box
// kept, so that a run can tell whether a transaction succeeded.
#pragma once

#include <string>

#include "TransactionView.h"

namespace veltrix::bench {

class QuietView : public protocol::TransactionView {
  public:
    explicit QuietView(int32_t commIndex) : commIndex_(commIndex) {}

    int32_t CommIndex() const override { return commIndex_; }
    void SetButtonEnabled(protocol::TransactionButton, bool) override {}
    void SetStatusText(const std::string& text) override { status_ = text; }
    void ShowWarning(const std::string& text, const std::string&) override { warning_ = text; }

    const std::string& Status() const { return status_; }
    const std::string& Warning() const { return warning_; }

  private:
    int32_t commIndex_;
    std::string status_;
    std::string warning_;
};

}  // namespace veltrix::bench
