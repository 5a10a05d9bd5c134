#pragma once

#include <string>

#include "program/Program.h"
#include "ui/wx/WindowContext.h"
#include "ui/wx/WxUserDialogs.h"

namespace quorvex {

// The program with its main window, from building the window to saving the configuration
// after the main loop. Returns the exit status; without a display the user is told
// "Konnte Fenster nicht aufbauen!" and nothing is saved.
int RunInWindow(Program& program, WxUserDialogs& dialogs, const std::string& configPath,
                WindowServices services);

}  // namespace quorvex
