// Modal message boxes with no owner window and a single OK button. Every box the program shows
// goes through one replaceable sink, so tests can record what would have been shown.
#pragma once

#include <functional>
#include <string>

namespace platform {

enum class MessageBoxIcon { Warning, Error };

struct MessageBoxContent {
    MessageBoxIcon icon;
    std::string text;
    std::string caption;

    bool operator==(const MessageBoxContent&) const = default;
};

using MessageBoxSink = std::function<void(const MessageBoxContent&)>;

// Shows the box through the current sink and returns once it is closed.
void ShowMessageBox(const MessageBoxContent& box);

// The program's own messages: warning icon, one OK button.
void WarningBox(const std::string& text, const std::string& caption);

// Installs `sink` and returns the one it replaces; an empty sink brings back the real boxes.
MessageBoxSink ReplaceMessageBoxSink(MessageBoxSink sink);

}  // namespace platform
