#pragma once

#include <string>

namespace quorvex {

struct Program;

// Mirror mode: reads the target tree into the ScanList and deletes every file and folder
// whose counterpart in the source does not exist. Only a definite "no such file or
// folder" makes an entry surplus: a source path that cannot be examined protects its
// target counterpart and everything below it. Sets the deletion figures, targetFiles and
// deleteTime; a preview run reads and deletes nothing.
void DeleteSurplus(Program& program, const std::string& sourceRoot, const std::string& targetRoot,
                   bool includeSubFolders);

}  // namespace quorvex
