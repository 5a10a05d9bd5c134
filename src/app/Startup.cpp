#include "app/Startup.h"

#include "app/EarlyWindowBoxes.h"
#include "app/InfoSwitches.h"
#include "app/Session.h"
#include "app/StartupGuards.h"
#include "app/StartupSteps.h"
#include "app/SystemErrorReport.h"
#include "app/WindowFront.h"
#include "config/CommandLine.h"
#include "config/Settings.h"
#include "platform/CrashHandler.h"
#include "platform/InstanceLock.h"
#include "platform/Paths.h"
#include "platform/SystemActions.h"
#include "program/Program.h"
#include "ui/ConsoleDialogs.h"
#include "ui/DialogsRelay.h"

namespace quorvex {

namespace {

void SetDefaults(Program& program) {
    const ProgramLocation location = LocateProgram();
    program.settings =
        DefaultSettings(location.folder, location.file, ProgramDataFolder(location.folder),
                        program.clock->DateNow());
}

}  // namespace

int RunQuorvex(const std::vector<std::string>& arguments) {
    if (AnswerInfoSwitch(arguments, stdout)) {
        return kExitClean;
    }
    ConsoleDialogs console;
    DialogsRelay dialogs(console);
    // Outlives the program, whose dialogs may be the window's.
    std::unique_ptr<WindowFront> window;
    NullSyncDisplay display;
    NullEventPump pump;
    Program program(dialogs, display, pump);
    SystemErrorReport errorReport(program.settings, program.log);
    OperatingSystemActions system;
    program.system = &system;

    SetDefaults(program);
    if (arguments.size() == 2 && arguments[0] == kSystemErrorWindowSwitch) {
        return ShowSystemErrorWindow(program, console, arguments[1]);
    }
    if (ParseCommandLine(arguments, program.settings, program.log, dialogs) != ParseResult::Ok) {
        if (WindowExpected(arguments, program.settings)) {
            ShowEarlyMessagesAsWindows(program, console, dialogs);
        }
        return kExitRefused;
    }
    const std::string configPath = ProgramConfigPath(program.settings);
    LoadConfigurationAtStart(program, configPath);
    // With a window to come, the guards' questions are windows too, so that a program
    // started from the desktop can ask for its password.
    std::string windowProblem;
    if (program.settings.WindowHidden == 0) {
        window = LoadWindowFront(program, console, windowProblem);
        if (window && window->StartToolkit()) {
            dialogs.RepeatEarlyMessagesIn(window->Dialogs());
            dialogs.PassTo(window->Dialogs());
            errorReport.ShowAsWindowBy(OwnProgramFile());
        }
    }
    InstanceLock instance(InstanceLockFolder());
    if (!PassStartupGuards(program, instance)) {
        return kExitRefused;
    }
    if (program.settings.WindowHidden == 0) {
        if (!window) {
            program.dialogs->ShowMessage(windowProblem, "Quorvex", MessageIcon::Error);
            ReportNoWindow(program);
            return kExitRefused;
        }
        return window->RunInWindow(program, configPath);
    }
    // -nowin: the window module is never loaded, so this works without a display.
    program.log.Debug("Fenster erstellt");
    UnattendedFront front(program);
    return RunSession(program, front, configPath);
}

}  // namespace quorvex
