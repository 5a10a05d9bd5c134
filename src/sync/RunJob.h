#pragma once

namespace quorvex {

struct Program;
struct SyncJob;

// Carries out one job: target and source check, header, date folder, source read,
// comparison, surplus deletion in mirror mode, copy phase and statistics block. Returns 1
// when the job ran through its phases (also after an abort) and 0 when it did not start
// because its target or its source folder is missing or cannot be listed.
int RunJob(Program& program, const SyncJob& job);

}  // namespace quorvex
