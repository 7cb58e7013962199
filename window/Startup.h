// The program's start-up: the application object, the two forms and the message loop.
#pragma once

#include <functional>

namespace window {

// Runs start-up `steps` inside the last-resort guard: whatever they throw is shown by the
// application's exception report, and the program still ends normally. Returns the exit code, 0.
int RunGuarded(const std::function<void()>& steps);

// Creates the application object, the main window and the hidden About box, and runs the
// message loop until the main window has closed. Returns the exit code, 0.
int RunApplication(int& argc, char** argv);

}  // namespace window
