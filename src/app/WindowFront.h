#pragma once

#include <memory>
#include <string>

#include "run/Program.h"
#include "ui/UserDialogs.h"

namespace quorvex {

// The window half of the program. It lives in a module of its own that only a session
// with a window loads: the window toolkit's libraries would cost every unattended run
// tens of milliseconds and about 20 MB before the first file is read.
class WindowFront {
  public:
    virtual ~WindowFront() = default;

    // Starts the window toolkit; false without a display.
    virtual bool StartToolkit() = 0;
    // Message boxes as windows once the toolkit runs, on the terminal before.
    virtual UserDialogs& Dialogs() = 0;
    // The main window from building it to the save after the main loop; the exit status.
    virtual int RunInWindow(Program& program, const std::string& configPath) = 0;
};

// The window module's file name beside the program, and its one entry point:
// WindowFront* (UserDialogs* terminal).
constexpr const char* kWindowModuleName = "quorvex-window.so";
constexpr const char* kWindowModuleEntry = "QuorvexOpenWindowFront";
using OpenWindowFrontFunction = WindowFront* (*)(UserDialogs* terminal);

// Loads the window module from the program folder; null (with a debug trace) when it
// cannot be loaded.
std::unique_ptr<WindowFront> LoadWindowFront(Program& program, UserDialogs& terminal);

}  // namespace quorvex
