#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace quorvex {

// One scanned file or folder. A folder's path ends with the separator; that is the only
// mark that tells it from a file.
struct FileEntry {
    std::string path;
    std::int64_t size = 0;  // bytes; 0 for folders
    DateValue modified = 0;
    std::int32_t attributes = 0;
    // Set by the comparison when it found no target file: the copy need not look for a
    // read-only target to clear.
    bool targetMissing = false;
    std::string fingerprint;  // set by the comparison for files that reach that test
};

// The scanned tree, and the files to copy and folders to create, both in scan order:
// depth first, a folder before its contents.
using ScanList = std::vector<FileEntry>;
using CopyList = std::vector<FileEntry>;

bool IsFolderEntry(const FileEntry& entry);

// What the scan counts; reset by its callers before each read.
struct ScanCounters {
    std::int32_t foldersSeen = 0;
    std::int32_t filesSeen = 0;   // every file met, before the filter
    std::int32_t filesTaken = 0;  // files that passed the filter
};

}  // namespace quorvex
