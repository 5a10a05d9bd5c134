#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/DateTime.h"
#include "platform/DirectoryListing.h"

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
    void Close();
    // The length when the file was opened.
    std::int64_t Length() const { return length_; }
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
};

// CopyFrom's answer when the system has no in-kernel copy between the two files.
constexpr long kKernelCopyUnsupported = -2;

// True for the names ReplacementFile gives its temporary files: ".quorvex-" followed by
// six letters or digits.
bool IsTemporaryFileName(const std::string& name);

// The new version of a file, written under a temporary name in the target's folder and
// put in the target's place only by Commit, so the old version stays whole until the
// new one is complete. Without Commit the temporary file is removed. The folder is
// reached beneath the tree's root without following a link, and the temporary file is
// locked (flock) for as long as it exists, so a later run can tell a file of a killed run
// from one still being written.
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
    // False when not every byte could be written (disk full, write error).
    bool Write(const void* data, std::size_t size);
    // Moves up to size bytes from the input's position inside the kernel, without a
    // buffer of ours. Bytes moved, 0 at the input's end, -1 on a read or write error
    // (disk full), or kKernelCopyUnsupported.
    long CopyFrom(InputFile& input, std::size_t size);
    // Gives the written file its modification date and attributes.
    bool Stamp(std::int32_t attributes, DateValue modified);
    // Gives the written file the permission bits and both times of the open source.
    bool TakeStatusOf(const InputFile& source);
    bool Finish();
    // Renames the finished file over the target.
    bool Commit();
    void Discard();

  private:
    void Release();

    int fd_ = -1;
    int folderFd_ = -1;
    int lockFd_ = -1;  // holds the lock from Create to Commit or Discard
    bool finished_ = false;
    std::string targetName_;
    std::string temporaryName_;
};

}  // namespace quorvex
