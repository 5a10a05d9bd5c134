#include "app/Session.h"

#include <algorithm>

#include "app/StartupSteps.h"
#include "config/ProductInfo.h"
#include "run/RunDriver.h"

namespace quorvex {

namespace {

void RunCommandLineJob(Program& program, SessionFront& front) {
    if (!BuildCommandLineJob(program.settings, program.clock->DateNow(), program.jobs)) {
        return;
    }
    front.ShowJobList();
    if (IsOn(program.settings.AutoStart)) {
        program.log.Debug("Autostart!");
        front.RunJobs();
    }
}

}  // namespace

int RunSession(Program& program, SessionFront& front, const std::string& configPath) {
    RunCommandLineJob(program, front);
    EnterLongTermIfAsked(program);
    front.ShowJobList();
    program.display->SetStatusText(0, std::string("Herzlich Willkommen bei ") + kProductTitle);
    program.log.Debug("MainLoop");
    front.RunMainLoop();
    EndProgram(program, configPath, front.OptionFields());
    return program.exitStatus;
}

void UnattendedFront::RunJobs() {
    program_.exitStatus = std::max(program_.exitStatus, ExitStatusAfter(RunAllJobs(program_)));
}

}  // namespace quorvex
