#pragma once

#include <functional>
#include <string>

#include "platform/SystemInfo.h"
#include "program/Program.h"

namespace quorvex {

// A file-save dialog: its title, the proposed path and the filter; returns the chosen path,
// the empty text when cancelled.
using SaveFileChooser = std::function<std::string(
    const std::string& title, const std::string& proposal, const std::string& filter)>;

// Writes the active jobs and the current options as a script that repeats them unattended,
// after asking how the runs shall behave.
void ExportBatchFile(Program& program, ScriptFlavour flavour, const SaveFileChooser& chooseFile);

}  // namespace quorvex
