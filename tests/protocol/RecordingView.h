// A stand-in for the window that writes down every call a transaction makes of it, and when.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "TransactionView.h"

namespace veltrix::test {

class RecordingView : public protocol::TransactionView {
  public:
    using Clock = std::chrono::steady_clock;

    explicit RecordingView(int32_t commIndex) : commIndex_(commIndex) {}

    int32_t CommIndex() const override { return commIndex_; }
    void SetButtonEnabled(protocol::TransactionButton button, bool enabled) override {
        Record((enabled ? "enable " : "disable ") + NameOf(button));
    }
    void SetStatusText(const std::string& text) override { Record("status: " + text); }
    void ShowWarning(const std::string& text, const std::string& caption) override {
        Record("box: " + text + " [" + caption + "]");
    }

    // Runs `action` once, right after `call` is next recorded: a way into the middle of a
    // transaction, such as its wait.
    void OnceAfter(const std::string& call, std::function<void()> action) {
        awaitedCall_ = call;
        action_ = std::move(action);
    }

    const std::vector<std::string>& Calls() const { return calls_; }
    // Time from the call at index `from` to the call at index `to`.
    Clock::duration Between(size_t from, size_t to) const {
        return times_.at(to) - times_.at(from);
    }

  private:
    static std::string NameOf(protocol::TransactionButton button) {
        switch (button) {
            case protocol::TransactionButton::OpenRS232:
                return "OpenRS232";
            case protocol::TransactionButton::ReadParameter:
                return "ReadParameter";
            case protocol::TransactionButton::WriteParameter:
                return "WriteParameter";
        }
        return "?";
    }
    void Record(const std::string& call) {
        calls_.push_back(call);
        times_.push_back(Clock::now());
        if (action_ && call == awaitedCall_) {
            std::exchange(action_, nullptr)();
        }
    }

    int32_t commIndex_;
    std::vector<std::string> calls_;
    std::vector<Clock::time_point> times_;
    std::string awaitedCall_;
    std::function<void()> action_;
};

}  // namespace veltrix::test
