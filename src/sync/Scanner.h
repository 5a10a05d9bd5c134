#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/SyncDisplay.h"

namespace quorvex {

struct Program;

// Appends the tree below root to the engine's ScanList (depth first, a folder before its
// contents) and raises its ScanCounters. Files pass the extension filter; folders are
// listed whatever it says. A folder that cannot be listed adds nothing. Polls for pause
// and abort at every entry and stops once an abort is requested. The count field, when
// given, shows the files taken once per folder. Returns the files-taken count.
std::int32_t ScanDirectory(Program& program, const std::string& root, const std::string& filter,
                           bool includeSubFolders, std::optional<StatField> countField);

// The number of files in a folder and all its sub-folders; 0 when it cannot be listed.
std::int32_t CountFiles(const std::string& folder);

}  // namespace quorvex
