#include "app/Session.h"

#include <algorithm>

#include "app/StartupSteps.h"
#include "app/UpdateCheck.h"
#include "config/ProductInfo.h"
#include "platform/Process.h"
#include "run/RunDriver.h"

namespace quorvex {

namespace {

// Returns whether a run took place.
bool RunCommandLineJob(Program& program, SessionFront& front) {
    if (!BuildCommandLineJob(program.settings, program.clock->DateNow(), program.jobs)) {
        return false;
    }
    // A run that starts at once shows the list after it ends: a window need not draw it
    // before.
    if (!IsOn(program.settings.AutoStart)) {
        front.ShowJobList();
        return false;
    }
    program.log.Debug("Autostart!");
    front.RunJobs();
    return true;
}

void EnterLongTermIfAsked(Program& program, SessionFront& front, bool ran) {
    if (!IsOn(program.settings.LongTerm)) {
        return;
    }
    program.log.Debug("Dauerbetrieb!");
    // A command line that asked for long-term mode and got neither it nor a run was
    // refused.
    if (front.RunLongTermLoop() == LongTermEnd::Refused && !ran &&
        IsOn(program.settings.CommandLineGiven)) {
        program.exitStatus = std::max(program.exitStatus, kExitRefused);
    }
}

// True when the program goes on; false when an update's setup has taken over.
bool CheckForUpdateIfAsked(Program& program, SessionFront& front) {
    if (!IsOn(program.settings.UpdateCheck)) {
        return true;
    }
    program.display->SetStatusText(0, "Prüfe auf Update...");
    front.CheckForUpdate();
    if (program.endAtOnce) {
        return false;
    }
    program.display->SetStatusText(0, "Update-Vorgang beendet.");
    program.pump->FlushAll();
    program.clock->Wait(1000);
    return true;
}

}  // namespace

int RunSession(Program& program, SessionFront& front, const std::string& configPath) {
    const bool ran = RunCommandLineJob(program, front);
    EnterLongTermIfAsked(program, front, ran);
    front.ShowJobList();
    if (CheckForUpdateIfAsked(program, front)) {
        program.display->SetStatusText(0, std::string("Herzlich Willkommen bei ") + kProductTitle);
        program.log.Debug("MainLoop");
        front.RunMainLoop();
    }
    EndProgram(program, configPath, front.OptionFields());
    return program.exitStatus;
}

void UnattendedFront::RunJobs() {
    RunAndKeepStatus(program_, RunKind::Sync);
}

void UnattendedFront::CheckForUpdate() {
    UpdateCheck(program_, UpdateCheckServices{RunExternal, DownloadLimits()});
}

LongTermEnd UnattendedFront::RunLongTermLoop() {
    return LongTermLoop(program_, "");
}

}  // namespace quorvex
