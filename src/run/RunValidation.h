#pragma once

#include <string>

namespace quorvex {

class FileSystem;
struct Program;

// Checks the job list before a run, in order, and shows the first problem found. Counts
// the active jobs into the engine state. False when the run must not start.
bool ValidateRun(Program& program);

// Whether a target lies on one of the protected drives (mount points joined by ",").
// drive receives the target's mount point.
bool OnProtectedDrive(FileSystem& files, const std::string& saveDrives, const std::string& target,
                      std::string& drive);

}  // namespace quorvex
