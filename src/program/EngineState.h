#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "program/FileEntry.h"
#include "program/JobStats.h"

namespace quorvex {

// What the engine keeps across the phases of a job and across the jobs of a run.
struct EngineState {
    ScanList scanList;
    CopyList copyList;
    ScanCounters counters;
    JobStats stats;
    std::int32_t jobNumber = 0;   // 1 for the first active job of the run
    std::int32_t activeJobs = 0;  // counted by the run's validation
    std::string jobTitle;         // the running job's title, for its change rows
    // The running job's target: every phase reaches the target through it.
    std::unique_ptr<TargetRoom> target;
    // Problems the statistics have no line for (a folder that could not be created, a
    // job that could not run); they still make the run end with status 1.
    std::int32_t otherProblems = 0;
};

}  // namespace quorvex
