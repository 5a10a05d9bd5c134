#pragma once

#include <string>

#include "platform/FileFacts.h"

namespace quorvex {

struct Program;

// Mirror mode: reads the target tree into the ScanList and deletes every file and folder
// whose counterpart in the source does not exist. Only a definite "no such file or
// folder" makes an entry surplus: a source path that cannot be examined (or that is a link
// to a folder or a special file) protects its target counterpart and everything below it;
// a source root that is no longer the scanned folder stops the deletion with an error
// line; an empty source root empties no target without the user's Yes. Sets the deletion
// figures, targetFiles and deleteTime; a preview run deletes nothing.
void DeleteSurplus(Program& program, const std::string& sourceRoot,
                   const FolderIdentity& scannedSource, const std::string& targetRoot,
                   bool includeSubFolders);

}  // namespace quorvex
