#include "app/Startup.h"

#include "app/StartupGuards.h"
#include "app/StartupSteps.h"
#include "app/SystemErrorReport.h"
#include "app/Toolkit.h"
#include "app/WindowedProgram.h"
#include "config/CommandLine.h"
#include "config/JobList.h"
#include "config/Settings.h"
#include "platform/DateTime.h"
#include "platform/InstanceLock.h"
#include "platform/Paths.h"
#include "platform/SystemActions.h"
#include "run/Program.h"
#include "run/RunDriver.h"
#include "ui/ConsoleDialogs.h"
#include "ui/wx/WxUserDialogs.h"

namespace quorvex {

namespace {

void SetDefaults(Program& program) {
    const ProgramLocation location = LocateProgram();
    program.settings = DefaultSettings(location.folder, location.file,
                                       ProgramDataFolder(location.folder), CurrentDateValue());
}

}  // namespace

int RunQuorvex(const std::vector<std::string>& arguments) {
    ConsoleDialogs console;
    WxUserDialogs dialogs(console);
    NullSyncDisplay display;
    NullEventPump pump;
    Program program(dialogs, display, pump);
    const SystemErrorReport errorReport(program.settings, program.log);
    OperatingSystemActions system;
    program.system = &system;

    SetDefaults(program);
    if (ParseCommandLine(arguments, program.settings, program.log, dialogs) != ParseResult::Ok) {
        return kExitRefused;
    }
    const std::string configPath = ProgramConfigPath(program.settings);
    LoadConfigurationAtStart(program, configPath);
    // With a window to come, the guards' questions are windows too, so that a program
    // started from the desktop can ask for its password.
    Toolkit toolkit;
    if (program.settings.WindowHidden == 0 && toolkit.Start()) {
        dialogs.UseWindows(nullptr);
    }
    InstanceLock instance(InstanceLockFolder());
    if (!PassStartupGuards(program, instance)) {
        return kExitRefused;
    }
    if (program.settings.WindowHidden == 0) {
        return RunInWindow(program, dialogs, configPath, DefaultWindowServices());
    }
    // -nowin: the toolkit is never started, so this works without a display.
    program.log.Debug("Fenster erstellt");
    if (BuildCommandLineJob(program.settings, CurrentDateValue(), program.jobs) &&
        program.settings.AutoStart == 1) {
        program.log.Debug("Autostart!");
        program.exitStatus = ExitStatusAfter(RunAllJobs(program));
    }
    EnterLongTermIfAsked(program);
    program.log.Debug("MainLoop");
    EndProgram(program, configPath);
    return program.exitStatus;
}

}  // namespace quorvex
