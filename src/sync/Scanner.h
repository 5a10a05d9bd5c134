#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileFacts.h"
#include "program/SyncDisplay.h"

namespace quorvex {

struct Program;

// Lists one folder as FileSystem::List does.
using FolderLister = std::function<bool(const std::string& folder, std::vector<DirEntry>&)>;

// Appends the tree below root to the engine's ScanList (depth first, a folder before its
// contents) and raises its ScanCounters. Files pass the extension filter; folders are
// listed whatever it says. A folder that cannot be listed adds nothing. Polls for pause
// and abort at every entry and stops once an abort is requested. The count field, when
// given, shows the files taken once per folder. Folders are listed by list; without one
// they are listed as source folders: with FileSystem::List, and a folder that cannot be read
// or a link that leads nowhere logged as an error and counted as a problem, for its
// target copy is kept and the user must hear why. Returns the files-taken count.
std::int32_t ScanDirectory(Program& program, const std::string& root, const std::string& filter,
                           bool includeSubFolders, std::optional<StatField> countField,
                           const FolderLister& list = FolderLister());

}  // namespace quorvex
