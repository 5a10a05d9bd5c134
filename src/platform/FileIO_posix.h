#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/DateTime.h"
#include "platform/FileFacts.h"

namespace quorvex {

class TargetTree;

// A regular file opened for reading only. Anything else (a FIFO, a device) is refused,
// so opening never blocks.
class InputFile {
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool Open(const std::string& path);
    bool IsOpen() const { return fd_ >= 0; }
    // After a failed Open: true when the path names nothing that could be read as a file
    // (no such entry, a folder, a FIFO), false when a file is there but refused.
    bool Missing() const { return missing_; }
    // What a lookup of the opened path would report, taken from the open file.
    const DirEntry& Facts() const { return facts_; }
    // The last access before this open.
    DateValue Accessed() const { return accessed_; }
    void Close();
    // The length when the file was opened.
    std::int64_t Length() const { return length_; }
    // True when the file's size or modification time is no longer what it was when
    // opened (also when that cannot be told): someone wrote to it meanwhile.
    bool ChangedSinceOpened() const;
    // Back to the first byte, for reading the content once more.
    bool Rewind();
    // Up to size bytes from the current position: 0 at the end, -1 on a read error.
    long Read(void* buffer, std::size_t size);
    // One byte at an absolute position, 0-255; -1 beyond the end or on an error.
    int ReadByteAt(std::int64_t position);

  private:
    friend class ReplacementFile;
    friend class TargetTree;
    // Keeps an opened descriptor when it is a regular file; closes it otherwise.
    bool Adopt(int fd, const char* name);

    int fd_ = -1;
    std::int64_t length_ = 0;
    bool missing_ = false;
    DirEntry facts_;
    std::uint32_t owner_ = 0;
    std::uint32_t group_ = 0;
    std::int64_t modifiedSeconds_ = 0;
    std::int64_t modifiedNanoseconds_ = 0;
    DateValue accessed_ = 0;
};

// The new version of a file, written under a temporary name in the target's folder and
// put in the target's place only by Commit, so the old version stays whole until the
// new one is complete. Without Commit the temporary file is removed. The folder is
// reached beneath the tree's root without following a link, and the temporary file is
// locked (flock) for as long as it exists, so a later run can tell a file of a killed run
// from one still being written. Where no temporary file can be had, OpenInPlace writes
// over the target itself instead.
class ReplacementFile {
  public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the target's folder takes no new file or lies outside the tree. A
    // target that is a folder makes Commit fail; a link in the target's place is replaced
    // by Commit, never followed.
    bool Create(TargetTree& tree, const std::string& target);
    // Opens the existing target to write the new content straight into it: only a
    // regular file with no other link to it (never through a symbolic link), and only
    // when length bytes fit in the room the old content and the free space leave.
    bool OpenInPlace(TargetTree& tree, const std::string& target, std::int64_t length);
    bool InPlace() const { return inPlace_; }
    // Why the last Create, Write or CopyFrom failed.
    WriteFailure Failure() const { return failure_; }
    // False when not every byte could be written (disk full, write error).
    bool Write(const void* data, std::size_t size);
    // Moves up to size bytes from the input's position inside the kernel, without a
    // buffer of ours. Bytes moved, 0 at the input's end, -1 on a read or write error
    // (disk full), or kKernelCopyUnsupported.
    long CopyFrom(InputFile& input, std::size_t size);
    // Gives the written file the source's owner and group where the process may (as
    // root). Called before the attributes are set: a set-user-ID or set-group-ID bit is
    // set only where the file's owner or group is the source's, so a copy never hands a
    // program to another user.
    void TakeOwner(const InputFile& source);
    bool SetAttributes(std::int32_t attributes);
    // Gives the written file its dates and attributes. Both times are set: some file
    // system drivers (FUSE exFAT and FAT) drop a modification time set on its own.
    bool Stamp(std::int32_t attributes, DateValue modified, DateValue accessed);
    // Gives the written file the permission bits and both times of the open source; the
    // set-id bits as SetAttributes allows them.
    bool TakeStatusOf(const InputFile& source);
    bool Finish();
    // Renames the finished file over the target; an in-place write is there already.
    bool Commit();
    void Discard();

  private:
    void Release();

    int fd_ = -1;
    int folderFd_ = -1;
    int lockFd_ = -1;  // holds the lock from Create to Commit or Discard
    bool finished_ = false;
    bool inPlace_ = false;
    bool ownerKept_ = false;
    bool groupKept_ = false;
    WriteFailure failure_ = WriteFailure::None;
    std::string targetName_;
    std::string temporaryName_;
};

// The operating system's own copy: content, permission bits and times carried over
// unchanged, but no set-id bit, for this copy does not take the source's owner. The target
// is reached beneath the tree's root; the old target stays as it was unless the whole
// copy succeeds.
bool SystemCopyFile(TargetTree& tree, const std::string& source, const std::string& target);

}  // namespace quorvex
