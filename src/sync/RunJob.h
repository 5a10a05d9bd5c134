#pragma once

namespace quorvex {

struct Program;
struct SyncJob;

// Carries out one job: target and source check, header, date folder, source read,
// comparison, surplus deletion in mirror mode, copy phase and statistics block. True when
// the job ran through its phases (also after an abort), false when it did not start
// because its target or its source folder is missing or cannot be listed.
bool RunJob(Program& program, const SyncJob& job);

}  // namespace quorvex
