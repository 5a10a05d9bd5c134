#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/FileFacts.h"

namespace quorvex {

// Creates one folder; trailing separators are cut first.
bool CreateFolder(const std::string& path);

// True for the names a NewFile gives its temporary files: ".quorvex-" followed by six
// letters or digits.
bool IsTemporaryFileName(const std::string& name);

// A regular file opened for reading. Anything else (a FIFO, a device) is never opened, so
// opening never blocks.
class SourceFile {
  public:
    virtual ~SourceFile() = default;
    // What a lookup of the opened path would report, taken from the open file.
    virtual const DirEntry& Facts() const = 0;
    // The last access before this open.
    virtual DateValue Accessed() const = 0;
    // The length when the file was opened.
    virtual std::int64_t Length() const = 0;
    // True when the file's size or modification time is no longer what it was when
    // opened (also when that cannot be told): someone wrote to it meanwhile.
    virtual bool ChangedSinceOpened() const = 0;
    // Back to the first byte, for reading the content once more.
    virtual bool Rewind() = 0;
    // Up to size bytes from the current position: 0 at the end, -1 on a read error.
    virtual long Read(void* buffer, std::size_t size) = 0;
    // One byte at an absolute position, 0-255; -1 beyond the end or on an error.
    virtual int ReadByteAt(std::int64_t position) = 0;
};

// The new version of a file in the target, written under a temporary name beside it and
// put in its place only by Commit, so the old version stays whole until the new one is
// complete; without Commit nothing of it stays. Where no temporary file can be had,
// OpenInPlace writes over the target itself instead.
class NewFile {
  public:
    virtual ~NewFile() = default;
    // False when the target's folder takes no new file or lies outside the target.
    virtual bool Create(const std::string& target) = 0;
    // Opens the existing target to write the new content straight into it: only a
    // regular file with no other link to it, and only when length bytes fit.
    virtual bool OpenInPlace(const std::string& target, std::int64_t length) = 0;
    virtual bool InPlace() const = 0;
    // Why the last Create, Write or CopyFrom failed.
    virtual WriteFailure Failure() const = 0;
    // The operating system's words for the last failure; empty when it gave none.
    virtual const std::string& Reason() const = 0;
    // False when not every byte could be written (disk full, write error).
    virtual bool Write(const void* data, std::size_t size) = 0;
    // Moves up to size bytes from the input's position without a buffer of ours. Bytes
    // moved, 0 at the input's end, -1 on an error, or kKernelCopyUnsupported.
    virtual long CopyFrom(SourceFile& input, std::size_t size) = 0;
    // Gives the file the source's owner where the process may; called before the
    // attributes are set, so a set-id bit stays only with its owner.
    virtual void TakeOwner(const SourceFile& source) = 0;
    virtual bool SetAttributes(std::int32_t attributes) = 0;
    // Gives the file its dates and attributes.
    virtual bool Stamp(std::int32_t attributes, DateValue modified, DateValue accessed) = 0;
    virtual bool Finish() = 0;
    // Puts the finished file in the target's place; an in-place write is there already.
    virtual bool Commit() = 0;
};

// A job's target as a closed room: every path is the root's text followed by a part
// below it, resolved without following a link anywhere, so a link planted in the target
// never steers a write, a permission change or a deletion outside it. Links are reported
// as kind Link, replaced or removed, never followed. Failures that have a reason put the
// operating system's words in err when it is given.
class TargetRoom {
  public:
    virtual ~TargetRoom() = default;

    // Facts of the entry itself. Missing also when a folder on the way is missing, is no
    // folder or is a link.
    virtual LookupResult Lookup(const std::string& path, DirEntry& info) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // As a source listing, with links listed as kind Link.
    virtual bool List(const std::string& folder, std::vector<DirEntry>& entries) = 0;
    // Names and kinds of a folder's entries ("." and ".." left out), unsorted.
    virtual bool ListKinds(const std::string& folder, std::vector<NamedKind>& entries) = 0;
    // A regular file for reading, or none; a link is never opened.
    virtual std::unique_ptr<SourceFile> OpenFile(const std::string& path) = 0;
    // True when both paths name the same entry.
    virtual bool SameEntry(const std::string& first, const std::string& second) = 0;

    // Creates one folder; a link in its place is removed first.
    virtual bool MakeFolder(const std::string& path, std::string* err) = 0;
    // Gives a folder its attributes and its date.
    virtual bool StampFolder(const std::string& path, std::int32_t attributes,
                             DateValue modified) = 0;
    // Lets the owner write a regular file; false for anything else.
    virtual bool MakeWritable(const std::string& path, std::string* err) = 0;
    // Removes a file or a link; never a folder.
    virtual bool Remove(const std::string& path, std::string* err) = 0;
    // Removes a folder with everything in it; true when the folder itself is gone.
    virtual bool RemoveFolderTree(const std::string& path, std::string* err) = 0;
    // Gives an entry a new name in its folder; a change of case alone also takes effect.
    virtual bool Rename(const std::string& path, const std::string& newName, std::string* err) = 0;
    // Removes a temporary file of a NewFile that no writer holds any more. True when
    // removed.
    virtual bool RemoveStaleTemporary(const std::string& path) = 0;
    // A new file to be created or opened in place beneath the root.
    virtual std::unique_ptr<NewFile> StartNewFile() = 0;
    // The operating system's own copy of a source file to a target beneath the root:
    // content, permission bits and times, no set-id bit; the old target stays as it was
    // unless the whole copy succeeds.
    virtual bool SystemCopy(const std::string& source, const std::string& target,
                            std::string* err) = 0;
};

// Every file-system call of the engine. Failures that have a reason put the operating
// system's words in err when it is given.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Every file and folder of a folder, "." and ".." included, sorted by name bytes.
    // Links to folders and special files are left out; a link to a file is a file.
    // Entries that cannot be examined are left out and named in problems when it is given.
    virtual bool List(const std::string& folder, std::vector<DirEntry>& entries,
                      std::vector<ListingProblem>* problems, std::string* err) = 0;
    // True when a listing of the path can be opened.
    virtual bool FolderExists(const std::string& path, std::string* err) = 0;
    // One metadata call on a path; info.name stays empty.
    virtual LookupResult Lookup(const std::string& path, DirEntry& info) = 0;
    // True when the folder can be listed and holds nothing besides "." and "..".
    virtual bool FolderIsEmpty(const std::string& path) = 0;
    // A regular file for reading, or none; then missing tells whether the path names
    // nothing that could be read as a file (no such entry, a folder, a FIFO).
    virtual std::unique_ptr<SourceFile> OpenFile(const std::string& path, bool* missing,
                                                 std::string* err) = 0;
    // The identity of the folder a path names, links followed; false when there is none.
    virtual bool IdentifyFolder(const std::string& path, FolderIdentity& identity) = 0;
    // The identities of a folder and of every folder above it, innermost first.
    virtual IdentityChain IdentityChainOf(const std::string& path) = 0;
    // The "drive" of a path: the mount point that holds it.
    virtual std::string DriveOf(const std::string& path) = 0;
    // Free bytes of a drive for all users in whole MiB kept to 32 bits; 0 when unknown.
    virtual std::uint32_t FreeMB(const std::string& drive) = 0;
    // The job's target room; none when the root cannot be opened for listing.
    virtual std::unique_ptr<TargetRoom> OpenTarget(const std::string& root, std::string* err) = 0;
};

}  // namespace quorvex
