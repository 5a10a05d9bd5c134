#pragma once

#include <optional>
#include <string>

#include "config/ConfigFile.h"
#include "program/Program.h"

namespace quorvex {

// Where this program's configuration file lives.
std::string ProgramConfigPath(const Settings& settings);

// Reads the configuration file, unless the program was started with arguments.
void LoadConfigurationAtStart(Program& program, const std::string& configPath);

// The window could not be built (no display, or the window module is missing).
void ReportNoWindow(Program& program);

// The end of the main loop: the configuration is saved (unless the program was started
// with arguments or an update's setup is taking over), then the exit trace is written.
void EndProgram(Program& program, const std::string& configPath,
                const std::optional<OptionFieldTexts>& fields = std::nullopt);

}  // namespace quorvex
