#include "run/LongTermLoop.h"

#include <algorithm>

#include "config/ProductInfo.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "run/RunDriver.h"
#include "sync/JobDisplay.h"
#include "sync/PauseAbort.h"

namespace quorvex {

namespace {

constexpr std::int32_t kCountdownInterval = 1000;
constexpr std::int32_t kMillisecondsPerMinute = 60 * 1000;

// The window is minimised for the whole loop, not for each of its runs.
bool MinimisesForTheLoop(const Program& program) {
    const Settings& settings = program.settings;
    return WindowMode(program) && IsOn(settings.AutoMinimize) && IsOn(settings.LongTerm);
}

bool CommandLineFoldersUsable(Program& program) {
    const Settings& settings = program.settings;
    std::string ignored;
    return program.files->FolderExists(settings.CmdSource, &ignored) &&
           program.files->FolderExists(settings.CmdTarget, &ignored) &&
           settings.CmdSource != settings.CmdTarget;
}

// The refusals before the loop; true when it may start.
bool Admitted(Program& program, const std::string& minutesField) {
    Settings& settings = program.settings;
    UserDialogs& dialogs = *program.dialogs;
    if (IsOn(settings.WindowHidden)) {
        dialogs.ShowMessage("Dauerbetrieb ist ohne Fenster nicht möglich.", kProgramName,
                            MessageIcon::None);
        return false;
    }
    if (IsOn(settings.CommandLineGiven)) {
        if (!CommandLineFoldersUsable(program)) {
            dialogs.ShowMessage("Quell- oder Zielverzeichnis nicht gefunden oder identisch!",
                                "ERROR", MessageIcon::Error);
            settings.CmdSource.clear();
            settings.CmdTarget.clear();
            settings.ExitAfterRun = 1;
            return false;
        }
    } else {
        settings.LongTermMinutes = LeadingInteger(minutesField);
    }
    if (settings.LongTermMinutes > kMaxLongTermMinutes || settings.LongTermMinutes <= 0) {
        dialogs.ShowMessage("Dauerbetriebs-Zeit muss zwischen 0 und " +
                                std::to_string(kMaxLongTermMinutes) + " Minuten (24h) liegen!",
                            kProgramName, MessageIcon::Error);
        return false;
    }
    return true;
}

void ShowCountdown(Program& program, std::int32_t secondsLeft) {
    const std::string seconds = std::to_string(secondsLeft);
    program.display->SetStatusText(0, "Dauerbetrieb in " + seconds + " Sek. [ESC] = Ende");
    program.display->SetWindowTitle(std::string(kProgramName) + " - " + seconds + " Sek.");
    FlushEvents(program);
}

// Waits and counts down until a run is due, runs, and starts the next period; ends on
// ESC, an abort inside a run, or a run that ends the program.
void RepeatRuns(Program& program) {
    Clock& clock = *program.clock;
    const std::int32_t period = program.settings.LongTermMinutes * kMillisecondsPerMinute;
    Ticks periodStart = clock.TicksNow();
    Ticks lastDisplay = periodStart;
    do {
        // Nothing is due before the next second or the next run: sleep until then, or
        // until the user does something.
        const std::int32_t untilDisplay =
            kCountdownInterval - TicksSince(lastDisplay, clock.TicksNow()) + 1;
        const std::int32_t untilRun = period - TicksSince(periodStart, clock.TicksNow()) + 1;
        program.pump->WaitForEvent(std::max(1, std::min(untilDisplay, untilRun)));
        PollPauseAbort(program);
        if (TicksSince(periodStart, clock.TicksNow()) > period) {
            RunAndKeepStatus(program, RunKind::Sync);
            periodStart = clock.TicksNow();
            lastDisplay = periodStart;
        }
        if (TicksSince(lastDisplay, clock.TicksNow()) > kCountdownInterval) {
            ShowCountdown(program, program.settings.LongTermMinutes * 60 -
                                       TicksSince(periodStart, clock.TicksNow()) / 1000);
            lastDisplay = clock.TicksNow();
        }
    } while (!AbortRequested(program) && program.settings.ExitAfterRun == 0);
}

}  // namespace

LongTermEnd LongTermLoop(Program& program, const std::string& minutesField) {
    if (MinimisesForTheLoop(program)) {
        program.display->ShowMainWindow(ShowState::Minimised);
    }
    if (!Admitted(program, minutesField)) {
        return LongTermEnd::Refused;
    }
    program.display->LockControls(true);
    RepeatRuns(program);
    program.display->LockControls(false);
    program.display->SetStatusText(0, "Dauerbetrieb beendet.");
    program.display->SetWindowTitle(kProductTitle);
    if (MinimisesForTheLoop(program)) {
        program.display->ShowMainWindow(ShowState::Normal);
    }
    FlushEvents(program);
    return LongTermEnd::Ended;
}

}  // namespace quorvex
