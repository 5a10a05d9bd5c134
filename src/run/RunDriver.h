#pragma once

#include "program/RunState.h"

namespace quorvex {

struct Program;

enum class RunOutcome {
    Refused,   // the validation stopped the run before it began
    Clean,     // every job ran, without copy or delete errors
    Problems,  // copy or delete errors, a job that could not run, or an abort
};

// One run over every active job of the list: validation, log file and header, the jobs,
// the totals, the log written out, window and priority restored, the post-run actions
// and the statistics window. The run starts with a fresh RunState of the given kind.
RunOutcome RunAllJobs(Program& program, RunKind kind = RunKind::Sync);

// The process exit status that an unattended run ends with.
int ExitStatusAfter(RunOutcome outcome);

// One run whose outcome counts towards the process exit status: the worst run of the
// session decides it.
RunOutcome RunAndKeepStatus(Program& program, RunKind kind);

}  // namespace quorvex
