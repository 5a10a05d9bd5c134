#pragma once

namespace quorvex {

struct Program;

// Takes at most one pending window event and acts on it: PAUSE and the "Pause" button
// hold the run in the pause window, ESC and "STOP!" (outside long-term mode) abort it,
// tray clicks show or hide the main window, the close box aborts at the next test.
// True only when this call aborted the run; the abort itself is remembered in
// Settings::AbortRequested, which every loop of a run tests.
bool PollPauseAbort(Program& program);

bool AbortRequested(const Program& program);

}  // namespace quorvex
