#pragma once

#include <memory>
#include <string>

#include "platform/Linkage.h"
#include "program/Program.h"
#include "report/UserDialogs.h"

namespace quorvex {

// The window half of the program. By default it lives in a module of its own that only a
// session with a window loads: the window toolkit's libraries would cost every unattended
// run tens of milliseconds and about 20 MB before the first file is read. A build can
// link it into the program instead.
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

// The window module's name beside the program (without the platform's ending), and its one
// entry point.
constexpr const char* kWindowModuleName = "quorvex-window";
constexpr const char* kWindowModuleEntry = "QuorvexOpenWindowFront";
using OpenWindowFrontFunction = WindowFront* (*)(UserDialogs* terminal);

// The window half; null when it cannot be had, and problem then holds what to tell the
// user (the module is missing or cannot be loaded), with a debug trace of the reason.
std::unique_ptr<WindowFront> LoadWindowFront(Program& program, UserDialogs& terminal,
                                             std::string& problem);

}  // namespace quorvex

// The window half's one entry point: found by name in the module, or called directly
// when the window half is linked into the program.
extern "C" QUORVEX_EXPORT quorvex::WindowFront* QuorvexOpenWindowFront(
    quorvex::UserDialogs* terminal);
