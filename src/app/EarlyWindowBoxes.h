#pragma once

#include <string>
#include <vector>

#include "config/Settings.h"
#include "program/Program.h"
#include "report/UserDialogs.h"
#include "ui/DialogsRelay.h"

namespace quorvex {

// Whether a start refused by its command line would have opened a window. The arguments
// after an unrecognised one were not read: a "-nowin" anywhere means a run without a
// window was meant, and a box would hold that run up.
bool WindowExpected(const std::vector<std::string>& arguments, const Settings& settings);

// The messages the relay showed on the terminal, again as boxes, for a start that ends
// before its main window exists. Without a display or window module nothing more happens.
void ShowEarlyMessagesAsWindows(Program& program, UserDialogs& terminal, const DialogsRelay& relay);

// The program started after a fault: the system error report as a box, then the exit
// status of the fault.
int ShowSystemErrorWindow(Program& program, UserDialogs& terminal, const std::string& report);

}  // namespace quorvex
