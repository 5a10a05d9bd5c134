#pragma once

#include <string>
#include <vector>

namespace quorvex {

enum class FolderRootKind {
    PersonalFolder,  // the user's own folder
    FileSystem,      // a root of the file system (a drive on some systems)
};

struct FolderRoot {
    std::string path;
    FolderRootKind kind;
};

// Where a folder tree starts, in the order to show: the user's folder when it exists and
// is not a file-system root itself, then the file-system roots.
std::vector<FolderRoot> FolderTreeRoots();

}  // namespace quorvex
