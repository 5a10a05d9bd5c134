#pragma once

namespace quorvex {

// What a run is asked to do; the caller chooses it for each run.
enum class RunKind {
    Sync,     // compare, then copy and delete
    Preview,  // only count and compare: nothing is copied, deleted or stamped
};

// The state of the current run, or of the last one once it is over. The run driver
// starts every run from a fresh one, so that an abort does not outlive its run.
struct RunState {
    RunKind kind = RunKind::Sync;
    // ESC, "STOP!", the close box, a full target or a request to end the process stopped
    // the run; every loop of the run tests it.
    bool abortRequested = false;

    bool Preview() const { return kind == RunKind::Preview; }
};

}  // namespace quorvex
