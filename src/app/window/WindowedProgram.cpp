#include "app/window/WindowedProgram.h"

#include "app/StartupSteps.h"
#include "app/window/WindowSession.h"
#include "config/ProductInfo.h"
#include "platform/DateTime.h"

namespace quorvex {

namespace {

void RunCommandLineJob(Program& program, WindowSession& session) {
    if (!BuildCommandLineJob(program.settings, CurrentDateValue(), program.jobs)) {
        return;
    }
    session.Window().RedrawJobList();
    if (program.settings.AutoStart == 1) {
        program.log.Debug("Autostart!");
        const WindowServices& services = session.Window().Services();
        if (services.run) {
            session.RunBusy(services.run);
        }
    }
}

}  // namespace

int RunInWindow(Program& program, WxUserDialogs& dialogs, const std::string& configPath,
                WindowServices services) {
    WindowSession session(program, dialogs);
    if (!session.Open(std::move(services))) {
        return kExitRefused;
    }
    RunCommandLineJob(program, session);
    EnterLongTermIfAsked(program);
    session.Window().RedrawJobList();
    program.display->SetStatusText(0, std::string("Herzlich Willkommen bei ") + kProductTitle);
    program.log.Debug("MainLoop");
    session.RunMainLoop();
    MainWindow& window = session.Window();
    EndProgram(program, configPath,
               OptionFieldTexts{window.LogFolderText(), window.TimeDifferenceText()});
    return program.exitStatus;
}

}  // namespace quorvex
