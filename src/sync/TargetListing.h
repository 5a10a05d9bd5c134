#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileFacts.h"

namespace quorvex {

struct Program;

// The target side of a job's walks, through the job's target tree. A link is listed as a
// file and never entered. A temporary file of a copy (the name a NewFile gives it,
// which the source does not have) is neither listed nor counted; one that no writer holds
// any more, left by a killed run, is removed on the way.

// One target folder, listed as a source folder is.
bool ListTargetFolder(Program& program, const std::string& sourceRoot,
                      const std::string& targetRoot, const std::string& folder,
                      std::vector<DirEntry>& entries);

// The files of the whole target tree; 0 when its root cannot be listed.
std::int32_t CountTargetFiles(Program& program, const std::string& sourceRoot,
                              const std::string& targetRoot);

}  // namespace quorvex
