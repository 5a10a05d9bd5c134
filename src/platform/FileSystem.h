#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/DirectoryListing.h"

namespace quorvex {

// Permission bits 16-27 are applied as they stand; a value with only the low flags adds
// the owner's write bit (0x80 normal) or clears every write bit (0x01 read-only).
// A folder always keeps owner read, write and search, so the program can still fill it.
bool SetFileAttributes(const std::string& path, std::int32_t attributes);

// The modification time of a file or folder. The access time gets the same value: some
// file system drivers (FUSE exFAT and FAT) drop a modification time set on its own.
bool SetModificationDate(const std::string& path, DateValue modified);

// Creates one folder; trailing separators are cut first.
bool CreateFolder(const std::string& path);

bool DeleteFile(const std::string& path);

// Removes a folder with everything in it. Links are unlinked, never followed. True when
// the folder itself is gone at the end; what could be removed is removed either way.
bool RemoveFolderTree(const std::string& path);

struct NamedKind {
    std::string name;
    EntryKind kind;
};

// Names and kinds of a folder's entries ("." and ".." left out), unsorted, for walks
// that need nothing else: the file system's own type is used, so most entries cost no
// metadata call. Kinds follow ListDirectory. False when the folder cannot be listed.
bool ListEntryKinds(const std::string& folder, std::vector<NamedKind>& entries);

// The operating system's own copy: content, permission bits and times carried over
// unchanged. The old target stays as it was unless the whole copy succeeds.
bool SystemCopyFile(const std::string& source, const std::string& target);

}  // namespace quorvex
