#pragma once

#include <vector>

#include "config/OptionTable.h"
#include "config/Settings.h"

namespace quorvex {

// The switches that reproduce the settings when the command line is parsed: the command-line
// job (CmdSource, CmdTarget, CmdExtentions and the Default* job options), the global options
// that have a switch, and AutoStart, WindowHidden and ExitAfterRun. The debug mode is not
// exported. A switch is left out when the setting is its default; -lock, -down and -logdir
// come last, and -logdir is always there.
std::vector<ExportedSwitch> ExportCommandLine(const Settings& settings);

}  // namespace quorvex
