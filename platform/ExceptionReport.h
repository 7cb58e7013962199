// The application's standard exception report, and the one wrapper every event handler runs in:
// an exception never leaves a handler into Qt; it is reported and the program carries on.
#pragma once

#include <exception>
#include <string>

namespace platform {

// The application's title: the executable's name.
std::string ApplicationTitle();

// A modal error box with the exception's message, captioned with the application's title.
void ShowException(const std::exception& error);

// Reports the exception being handled; an object that is no std::exception is reported as an
// Exception with an empty message. Call only inside a catch block.
void ReportCurrentException() noexcept;

template <typename Handler>
void RunHandler(Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        ReportCurrentException();
    }
}

}  // namespace platform
