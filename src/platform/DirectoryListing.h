#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace quorvex {

// Attribute bits: the permission bits sit in bits 16-27, the low bits carry the flags
// the program tests.
constexpr std::int32_t kAttributeReadOnly = 0x01;
constexpr std::int32_t kAttributeHidden = 0x02;
constexpr std::int32_t kAttributeFolder = 0x10;
constexpr std::int32_t kAttributeNormal = 0x80;
constexpr std::int32_t kAttributeCompressed = 0x800;

// Link: a symbolic link itself, never followed; only the target tree reports it.
enum class EntryKind { File, Folder, Link, Other };

struct DirEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
    std::uint64_t size = 0;
    std::int32_t attributes = 0;
    DateValue modified = 0;
};

// An entry a listing met but could not describe: no permission to examine it, or a link
// whose target is gone or cannot be reached. Such an entry exists, so it must never count
// as absent.
struct ListingProblem {
    std::string name;
    std::string reason;  // the operating system's words
    bool brokenLink = false;
};

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

enum class LookupResult {
    Found,         // info describes the entry (kind Other for links to folders, devices...)
    Missing,       // a definite "no such file or folder"
    Inaccessible,  // the path could not be examined (no permission, I/O error, a link
                   // whose target is gone...)
};

// One metadata call on a path; info.name stays empty.
LookupResult LookupPath(const std::string& path, DirEntry& info);

// True when the folder can be listed and holds nothing besides "." and "..".
bool FolderIsEmpty(const std::string& path);

}  // namespace quorvex
