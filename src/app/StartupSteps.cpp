#include "app/StartupSteps.h"

#include "platform/Paths.h"

namespace quorvex {

std::string ProgramConfigPath(const Settings& settings) {
    return ConfigFilePath(ProgramDataFolder(settings.ProgramFolder));
}

void LoadConfigurationAtStart(Program& program, const std::string& configPath) {
    if (program.settings.CommandLineGiven == 0) {
        LoadConfiguration(configPath, program.settings, program.jobs, program.log);
    }
}

void ReportNoWindow(Program& program) {
    program.log.Debug("Konnte Fenster nicht erstellen!");
    program.dialogs->ShowMessage("Konnte Fenster nicht aufbauen!", "Quorvex", MessageIcon::Error);
}

void EndProgram(Program& program, const std::string& configPath,
                const std::optional<OptionFieldTexts>& fields) {
    if (program.settings.CommandLineGiven == 0 && !program.endAtOnce) {
        SaveConfiguration(configPath, program.settings, program.jobs, program.log,
                          program.clock->DateNow(), fields);
    }
    program.log.Debug("Programm beendet.\r\n------------------------------");
}

}  // namespace quorvex
