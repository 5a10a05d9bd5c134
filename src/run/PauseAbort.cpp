#include "run/PauseAbort.h"

#include "run/Program.h"

namespace quorvex {

namespace {

constexpr const char* kAbortMessage = "Benutzer hat Operation abgebrochen";

bool Abort(Program& program) {
    program.dialogs->ShowMessage(kAbortMessage, "Quorvex", MessageIcon::None);
    program.pump->FlushAll();
    program.settings.AbortRequested = 1;
    return true;
}

}  // namespace

bool PollPauseAbort(Program& program) {
    switch (program.pump->PollOne()) {
        case PumpEvent::PauseKey:
        case PumpEvent::PreviewButton:
            program.pump->HoldPause();
            return false;
        case PumpEvent::EscapeKey:
            return Abort(program);
        case PumpEvent::RunButton:
            return program.settings.LongTerm == 1 ? false : Abort(program);
        case PumpEvent::TrayLeftClick:
            if (program.settings.Systray == 1) {
                program.display->ShowMainWindow(kShowNormal);
            }
            return false;
        case PumpEvent::TrayRightClick:
            if (program.settings.Systray == 1) {
                program.display->ShowMainWindow(kShowHide);
            }
            return false;
        case PumpEvent::CloseRequest:
            program.dialogs->ShowMessage(kAbortMessage, "Quorvex", MessageIcon::None);
            program.settings.AbortRequested = 1;
            return false;
        default:
            return false;
    }
}

bool AbortRequested(const Program& program) {
    return program.settings.AbortRequested != 0;
}

}  // namespace quorvex
