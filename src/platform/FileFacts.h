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

enum class LookupResult {
    Found,         // info describes the entry (kind Other for links to folders, devices...)
    Missing,       // a definite "no such file or folder"
    Inaccessible,  // the path could not be examined (no permission, I/O error, a link
                   // whose target is gone...)
};

struct NamedKind {
    std::string name;
    EntryKind kind;
};

// Names a folder whatever path reaches it: another spelling, a link or a bind mount give
// the same identity.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FolderIdentity& other) const {
        return device == other.device && inode == other.inode;
    }
};

// The identities of a folder and of every folder above it up to the top, innermost
// first. Parts of the path that do not exist (yet) are left out: the chain then begins
// at the deepest existing folder, and `exists` is false.
struct IdentityChain {
    bool exists = false;
    std::vector<FolderIdentity> folders;
};

// Why creating or writing a new file failed, as far as a fallback cares.
enum class WriteFailure { None, NoPermission, NoRoom, Other };

// A kernel copy's answer when the system has no in-kernel copy between the two files.
constexpr long kKernelCopyUnsupported = -2;

}  // namespace quorvex
