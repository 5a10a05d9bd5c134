#pragma once

namespace quorvex {

struct Program;

// Takes at most one pending window event and acts on it: PAUSE and the "Pause" button
// hold the run in the pause window, ESC and "STOP!" (outside long-term mode) abort it,
// tray clicks show or hide the main window, the close box aborts at the next test.
// True only when this call aborted the run; the abort itself is remembered in
// RunState::abortRequested, which every loop of a run tests. A termination signal during
// a run aborts it here too, without a message.
bool PollPauseAbort(Program& program);

// Whether the run was aborted; turns a termination signal into the abort as well.
bool AbortRequested(Program& program);

}  // namespace quorvex
