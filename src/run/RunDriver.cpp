#include "run/RunDriver.h"

#include <algorithm>

#include "config/ProductInfo.h"
#include "platform/TerminationSignals.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "run/ChangeTree.h"
#include "run/RunHeader.h"
#include "run/RunTotalsBlock.h"
#include "run/RunValidation.h"
#include "sync/JobDisplay.h"
#include "sync/PauseAbort.h"
#include "sync/RunJob.h"

namespace quorvex {

namespace {

constexpr StatField kAllStatFields[kStatFieldCount] = {
    StatField::BytesCopied, StatField::ChangedFiles, StatField::SourceFiles,
    StatField::TargetFiles, StatField::NewFolders,   StatField::DeletedFiles,
    StatField::NewFiles,    StatField::DeleteErrors, StatField::CopyErrors};

void ShowRunStart(Program& program) {
    SyncDisplay& display = *program.display;
    display.SetWindowTitle(std::string(kProductTitle) + " - läuft");
    display.LockControls(true);
    display.SetRunButtonLabels("STOP!", "Pause");
    display.ShowPage(3);
    display.ClearChangeTree();
    program.changeList.clear();
    display.RefreshStatisticsLabels();
    FlushEvents(program);
    if (IsOn(program.settings.AutoMinimize) && program.settings.LongTerm == 0) {
        display.ShowMainWindow(ShowState::Minimised);
    }
}

void ShowJobStart(Program& program, const SyncJob& job) {
    SyncDisplay& display = *program.display;
    for (StatField field : kAllStatFields) {
        display.SetStatisticsField(field, "");
    }
    display.SetJobStatus(ShortenPath(job.Source, 30) + " -> " + ShortenPath(job.Target, 30));
    FlushEvents(program);
}

void ShowRunEnd(Program& program) {
    SyncDisplay& display = *program.display;
    display.LockControls(false);
    display.SetWindowTitle(kProductTitle);
    display.SetJobStatus("");
    display.SetRunButtonLabels("START!", "Vorschau");
    if (display.ChangeListWanted() && !program.changeList.empty()) {
        ShowChangeTree(display, program.changeList);
        FlushEvents(program);
    }
}

bool AnythingChanged(const RunTotals& totals) {
    return totals.newFiles + totals.foldersCreated + totals.changedFiles + totals.filesDeleted +
               totals.foldersDeleted >
           0;
}

void ShowOutcome(Program& program, const RunTotals& totals) {
    const Settings& settings = program.settings;
    if (settings.LongTerm == 0 && settings.Shutdown == 0 && IsOn(settings.ShowStatistics)) {
        if (!AnythingChanged(totals)) {
            program.dialogs->ShowMessage("Es wurden keine Änderungen festgestellt.", "Quorvex",
                                         MessageIcon::None);
        } else if (!program.display->ShowStatisticsWindow(totals, program.run.Preview(),
                                                          program.log.Path())) {
            program.dialogs->ShowMessage("Konnte Statistik-Fenster nicht erstellen!", "Quorvex",
                                         MessageIcon::Error);
        }
    }
    program.display->SetFileProgress(0);
    program.display->SetJobProgress(0);
    FlushEvents(program);
}

// Returns whether any active job could not run.
bool RunActiveJobs(Program& program, RunTotals& totals) {
    bool jobMissing = false;
    for (SyncJob& job : program.jobs) {
        if (AbortRequested(program)) {
            break;
        }
        if (!job.IsActive()) {
            continue;
        }
        ++program.engine.jobNumber;
        if (WindowMode(program)) {
            ShowJobStart(program, job);
        }
        if (RunJob(program, job)) {
            if (!program.run.Preview()) {
                job.LastRun = program.clock->DateNow();
            }
            AddToTotals(totals, program.engine.stats);
        } else {
            jobMissing = true;
        }
    }
    return jobMissing;
}

void SetRunPriority(Program& program) {
    const std::int32_t priority = program.settings.Priority;
    if (!program.system->SetProcessPriority(priority)) {
        program.log.Debug("Prozesspriorität " + std::to_string(priority) +
                          " nicht vollständig gesetzt (fehlende Rechte)");
    }
}

// False when the process stays at the run's priority, which the user must learn: every
// later run of the session would have it too.
bool RestoreNormalPriority(Program& program) {
    if (program.settings.Priority == kPriorityNormal ||
        program.system->SetProcessPriority(kPriorityNormal)) {
        return true;
    }
    program.log.Debug("Normale Prozesspriorität ließ sich nicht wiederherstellen");
    return false;
}

void FinishRun(Program& program, const RunTotals& totals) {
    Settings& settings = program.settings;
    const bool window = WindowMode(program);
    if (window) {
        ShowRunEnd(program);
        if (IsOn(settings.AutoMinimize) && settings.AutoExit == 0 && settings.LongTerm == 0) {
            program.display->ShowMainWindow(ShowState::Normal);
        }
    }
    const bool priorityRestored = RestoreNormalPriority(program);
    if (IsOn(settings.LockWorkStation)) {
        program.system->LogOffUser();
    }
    if (IsOn(settings.Shutdown)) {
        program.system->PowerOffComputer();
    }
    if (window && settings.AutoExit == 0 && settings.ExitAfterRun == 0 && settings.Systray == 0 &&
        !AbortRequested(program)) {
        ShowOutcome(program, totals);
    }
    if (window && settings.LongTerm == 0) {
        program.display->EnableAfterRun();
        program.display->SetStatusText(
            0, priorityRestored ? "Bereit." : "Bereit. Priorität nicht zurückgesetzt!");
        FlushEvents(program);
    }
    if (IsOn(settings.AutoExit)) {
        settings.ExitAfterRun = 1;
    }
}

}  // namespace

RunOutcome RunAllJobs(Program& program, RunKind kind) {
    program.run = RunState{kind, false};
    if (!ValidateRun(program)) {
        return RunOutcome::Refused;
    }
    // From here to the written log, a request to end the process aborts the run instead.
    TerminationSignals termination;
    Settings& settings = program.settings;
    if (settings.Priority != kPriorityNormal) {
        SetRunPriority(program);
    }
    if (IsOn(settings.Systray)) {
        program.display->AddTrayIcon("Quorvex gestartet...");
        program.display->ShowMainWindow(ShowState::Hide);
    }
    const DateValue now = program.clock->DateNow();
    program.log.SetPath(RunLogPath(settings, now, program.clock->TicksNow()));
    program.log.BeginRunLog();
    WriteRunHeader(program, now);
    RunTotals totals;
    program.engine.jobNumber = 0;
    program.engine.otherProblems = 0;
    if (WindowMode(program)) {
        ShowRunStart(program);
    }
    const bool jobMissing = RunActiveJobs(program, totals);
    if (IsOn(settings.Systray)) {
        program.display->RemoveTrayIcon();
        program.display->ShowMainWindow(ShowState::Normal);
    }
    if (program.engine.activeJobs > 1) {
        WriteTotalsBlock(program.log, totals);
    }
    const bool logWritten = program.log.EndRunLog();
    const bool problems = jobMissing || !logWritten || AbortRequested(program) ||
                          totals.copyErrors > 0 || totals.deleteErrors > 0 ||
                          totals.folderDeleteErrors > 0 || program.engine.otherProblems > 0;
    // The request was to end the program; what is left of the run only restores the
    // window and the process, under the handling from before.
    if (termination.Restore()) {
        settings.ExitAfterRun = 1;
    }
    FinishRun(program, totals);
    return problems ? RunOutcome::Problems : RunOutcome::Clean;
}

int ExitStatusAfter(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Refused:
            return kExitRefused;
        case RunOutcome::Problems:
            return kExitRunProblems;
        case RunOutcome::Clean:
            break;
    }
    return kExitClean;
}

RunOutcome RunAndKeepStatus(Program& program, RunKind kind) {
    const RunOutcome outcome = RunAllJobs(program, kind);
    program.exitStatus = std::max(program.exitStatus, ExitStatusAfter(outcome));
    return outcome;
}

}  // namespace quorvex
