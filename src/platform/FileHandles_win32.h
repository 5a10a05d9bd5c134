#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace quorvex {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The attribute bits a file or folder may be given; none of them gives "normal".
DWORD SettableAttributes(std::int32_t attributes);

// Puts the system's words for the last error in err when it is given; false.
bool Failed(std::string* err);

// A file opened for reading. With FILE_FLAG_OPEN_REPARSE_POINT in extraFlags a link is
// opened itself, and then refused like a folder.
std::unique_ptr<SourceFile> OpenSourceFile(const std::string& path, DWORD extraFlags, bool* missing,
                                           std::string* err);

// Folders held open without delete sharing: while held, none of them can be renamed or
// removed, so a folder checked through its handle cannot be swapped for a junction before
// an operation by path beneath it is done.
class FolderPins {
  public:
    FolderPins() = default;
    ~FolderPins() { Release(); }
    FolderPins(const FolderPins&) = delete;
    FolderPins& operator=(const FolderPins&) = delete;

    // The folder itself, never what a link leads to unless followLink; false when it cannot
    // be opened or is a link or junction that is not to be followed.
    bool Add(const std::wstring& folder, bool followLink = false);
    void Release();

  private:
    std::vector<HANDLE> handles_;
};

// Which paths a target room accepts: beneath its root, without "." or ".." parts, and
// without a link or junction between the root and the last part. The root and the folders
// on the way stay pinned until the pins are released.
class TargetPaths {
  public:
    explicit TargetPaths(const std::string& root);
    bool Reachable(const std::string& path, FolderPins& pins) const;

  private:
    std::string root_;
};

// The new version of a file beneath a target room: a temporary file beside the target,
// held without delete sharing while it is written, so a cleaner cannot remove it then.
std::unique_ptr<NewFile> StartTargetFile(const TargetPaths& paths);

}  // namespace quorvex
