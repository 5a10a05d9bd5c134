#include "config/Settings.h"

#include "config/HelpText.h"

namespace quorvex {

Settings DefaultSettings(const std::string& programFolder, const std::string& programFile,
                         const std::string& dataFolder, DateValue now) {
    Settings settings;
    settings.ProgramFolder = programFolder;
    settings.ProgramFile = programFile;
    settings.LogfileDir = dataFolder;
    settings.HelpText = BuildHelpText(now);
    return settings;
}

}  // namespace quorvex
