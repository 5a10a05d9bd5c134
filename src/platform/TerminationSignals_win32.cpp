#include <windows.h>

#include <atomic>

#include "platform/TerminationSignals.h"

namespace quorvex {

namespace {

// The console calls the handler on a thread of its own; this flag is all it touches.
std::atomic<bool> terminationRequested{false};

BOOL WINAPI NoteTermination(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            terminationRequested = true;
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

class TerminationSignals::Previous {
  public:
    bool installed = false;
};

TerminationSignals::TerminationSignals() : previous_(std::make_unique<Previous>()) {
    terminationRequested = false;
    previous_->installed = SetConsoleCtrlHandler(NoteTermination, TRUE) != 0;
}

TerminationSignals::~TerminationSignals() {
    Restore();
}

bool TerminationSignals::Restore() {
    if (previous_->installed) {
        SetConsoleCtrlHandler(NoteTermination, FALSE);
        previous_->installed = false;
    }
    return terminationRequested.exchange(false);
}

bool TerminationRequested() {
    return terminationRequested;
}

}  // namespace quorvex
