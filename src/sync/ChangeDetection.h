#pragma once

#include <string>

#include "platform/Ticks.h"
#include "sync/Fingerprints.h"

namespace quorvex {

struct Program;

// Compares every entry of the ScanList (the source tree) with its counterpart in the
// target, found by path, and fills the CopyList with the files to copy and the folders to
// create. Logs one line per finding, sets targetFiles, newFiles, changedFiles and
// compareTime (measured from sourceReadEnd), and empties the ScanList at the end.
void DetectChanges(Program& program, const std::string& sourceRoot, const std::string& targetRoot,
                   FingerprintMethod fingerprintMethod, Ticks sourceReadEnd);

}  // namespace quorvex
