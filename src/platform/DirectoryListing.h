#pragma once

#include <string>
#include <vector>

#include "platform/FileFacts.h"

namespace quorvex {

// Every file and folder of a folder, "." and ".." included, sorted by name bytes.
// Links to folders and special files are left out; a link to a file is a file.
// Entries that cannot be examined and links that lead nowhere are left out too and named
// in problems when it is given.
// False when the folder cannot be listed (missing, no access, not a folder), with the
// reason in err when it is given.
bool ListDirectory(const std::string& folder, std::vector<DirEntry>& entries,
                   std::vector<ListingProblem>* problems = nullptr, std::string* err = nullptr);

// True when a listing of the path can be opened. An empty path is the current folder.
bool FolderExists(const std::string& path);

// One metadata call on a path; info.name stays empty.
LookupResult LookupPath(const std::string& path, DirEntry& info);

// True when the folder can be listed and holds nothing besides "." and "..".
bool FolderIsEmpty(const std::string& path);

}  // namespace quorvex
