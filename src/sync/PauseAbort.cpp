#include "sync/PauseAbort.h"

#include "platform/TerminationSignals.h"
#include "program/Program.h"

namespace quorvex {

namespace {

constexpr const char* kAbortMessage = "Benutzer hat Operation abgebrochen";

bool Abort(Program& program) {
    program.dialogs->ShowMessage(kAbortMessage, "Quorvex", MessageIcon::None);
    program.pump->FlushAll();
    program.run.abortRequested = true;
    return true;
}

// A request to end the process aborts like ESC, but without the message box: nobody may
// be there to click it, and the run must end on its own.
bool AbortForTermination(Program& program) {
    if (!TerminationRequested() || program.run.abortRequested) {
        return false;
    }
    program.run.abortRequested = true;
    return true;
}

}  // namespace

bool PollPauseAbort(Program& program) {
    const PumpEvent event = program.pump->PollOne();
    // Tested after the poll, so that a request which came during it is not left to a
    // loop's next test, which would end the loop without its abort line.
    if (AbortForTermination(program)) {
        return true;
    }
    switch (event) {
        case PumpEvent::PauseKey:
        case PumpEvent::PreviewButton:
            program.pump->HoldPause();
            // A request to end the process ends the pause as well.
            return AbortForTermination(program);
        case PumpEvent::EscapeKey:
            return Abort(program);
        case PumpEvent::RunButton:
            return IsOn(program.settings.LongTerm) ? false : Abort(program);
        case PumpEvent::TrayLeftClick:
            if (IsOn(program.settings.Systray)) {
                program.display->ShowMainWindow(ShowState::Normal);
            }
            return false;
        case PumpEvent::TrayRightClick:
            if (IsOn(program.settings.Systray)) {
                program.display->ShowMainWindow(ShowState::Hide);
            }
            return false;
        case PumpEvent::CloseRequest:
            program.dialogs->ShowMessage(kAbortMessage, "Quorvex", MessageIcon::None);
            program.run.abortRequested = true;
            return false;
        default:
            return false;
    }
}

bool AbortRequested(Program& program) {
    AbortForTermination(program);
    return program.run.abortRequested;
}

}  // namespace quorvex
