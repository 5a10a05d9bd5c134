#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "platform/AttributeModes_posix.h"
#include "platform/Descriptors_posix.h"
#include "platform/EntryFacts_posix.h"
#include "platform/FileIO.h"

namespace quorvex {

InputFile::~InputFile() {
    Close();
}

bool InputFile::Open(const std::string& path) {
    Close();
    // Non-blocking, so a FIFO put in a file's place cannot hang the open; the flag means
    // nothing for the regular files that are kept.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        missing_ = errno == ENOENT || errno == ENOTDIR || errno == ELOOP || errno == ENAMETOOLONG;
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        missing_ = true;
        close(fd);
        return false;
    }
    DescribeStatus(info, BaseName(path), false, facts_);
    accessed_ = FileTimeToDateValue(info.st_atim.tv_sec);
    fd_ = fd;
    length_ = info.st_size;
    owner_ = info.st_uid;
    group_ = info.st_gid;
    modifiedSeconds_ = info.st_mtim.tv_sec;
    modifiedNanoseconds_ = info.st_mtim.tv_nsec;
    return true;
}

void InputFile::Close() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    length_ = 0;
    missing_ = false;
}

bool InputFile::ChangedSinceOpened() const {
    struct stat info {};
    return fstat(fd_, &info) != 0 || info.st_size != length_ ||
           info.st_mtim.tv_sec != modifiedSeconds_ || info.st_mtim.tv_nsec != modifiedNanoseconds_;
}

bool InputFile::Rewind() {
    return lseek(fd_, 0, SEEK_SET) == 0;
}

long InputFile::Read(void* buffer, std::size_t size) {
    ssize_t got;
    do {
        got = read(fd_, buffer, size);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

int InputFile::ReadByteAt(std::int64_t position) {
    if (position < 0) {
        return -1;
    }
    unsigned char byte = 0;
    ssize_t got;
    do {
        got = pread(fd_, &byte, 1, static_cast<off_t>(position));
    } while (got < 0 && errno == EINTR);
    return got == 1 ? byte : -1;
}

ReplacementFile::~ReplacementFile() {
    Discard();
}

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return "./";
    }
    return path.substr(0, slash + 1);
}

// A write past the process's file-size limit (ulimit -f) raises a signal that ends the
// process, leaving the temporary file behind and the run log unwritten. Ignored, the
// write fails like one to a full disk: the copy reports it and the old file stays.
void FailWritesPastTheSizeLimit() {
    static const bool ignored = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    static_cast<void>(ignored);
}

WriteFailure FailureOf(int error) {
    if (error == EACCES || error == EPERM) {
        return WriteFailure::NoPermission;
    }
    if (error == ENOSPC || error == EDQUOT) {
        return WriteFailure::NoRoom;
    }
    return WriteFailure::Other;
}

// Truncating frees the old content's blocks: the new content fits when they and the free
// blocks hold it, counted in whole blocks.
bool FitsInPlace(const struct stat& old, const struct statvfs& room, std::int64_t length) {
    const std::int64_t block = static_cast<std::int64_t>(room.f_frsize);
    const std::int64_t needed = block > 0 ? (length + block - 1) / block * block : length;
    const std::int64_t held = static_cast<std::int64_t>(old.st_blocks) * 512;
    return static_cast<std::int64_t>(room.f_bavail) * block + held >= needed;
}

}  // namespace

bool ReplacementFile::Create(const std::string& target) {
    Discard();
    FailWritesPastTheSizeLimit();
    std::string pattern = FolderOf(target) + ".quorvex-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        failure_ = FailureOf(errno);
        return false;
    }
    fd_ = fd;
    finished_ = false;
    target_ = target;
    temporaryPath_ = pattern;
    return true;
}

bool ReplacementFile::OpenInPlace(const std::string& target, std::int64_t length) {
    Discard();
    FailWritesPastTheSizeLimit();
    // Non-blocking, so a FIFO in the file's place is refused instead of waited on.
    const int fd = open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    struct statvfs room {};
    const bool fits = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 &&
                      fstatvfs(fd, &room) == 0 && FitsInPlace(info, room, length);
    // Set-id bits go before the new content comes in; the mode is set again at the end.
    const bool setId = (info.st_mode & (S_ISUID | S_ISGID)) != 0;
    if (!fits || (setId && fchmod(fd, info.st_mode & 01777) != 0) || ftruncate(fd, 0) != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    inPlace_ = true;
    target_ = target;
    return true;
}

bool ReplacementFile::Write(const void* data, std::size_t size) {
    if (!WriteAll(fd_, data, size)) {
        failure_ = FailureOf(errno);
        return false;
    }
    return true;
}

long ReplacementFile::CopyFrom(InputFile& input, std::size_t size) {
    ssize_t moved;
    do {
        moved = copy_file_range(input.fd_, nullptr, fd_, nullptr, size, 0);
    } while (moved < 0 && errno == EINTR);
    if (moved >= 0) {
        return static_cast<long>(moved);
    }
    const bool unsupported = errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                             errno == EOPNOTSUPP || errno == EBADF || errno == EPERM;
    if (unsupported) {
        return kKernelCopyUnsupported;
    }
    failure_ = FailureOf(errno);
    return -1;
}

void ReplacementFile::TakeOwner(const InputFile& source) {
    if (geteuid() == 0) {
        // A refused change shows in the status below.
        static_cast<void>(fchown(fd_, source.owner_, source.group_));
    }
    struct stat info {};
    const bool known = fstat(fd_, &info) == 0;
    ownerKept_ = known && info.st_uid == source.owner_;
    groupKept_ = known && info.st_gid == source.group_;
}

bool ReplacementFile::SetAttributes(std::int32_t attributes) {
    mode_t mode = ModeForAttributes(attributes, S_IFREG);
    if (!ownerKept_) {
        mode &= static_cast<mode_t>(~S_ISUID);
    }
    if (!groupKept_) {
        mode &= static_cast<mode_t>(~S_ISGID);
    }
    return fchmod(fd_, mode) == 0;
}

bool ReplacementFile::Stamp(std::int32_t attributes, DateValue modified, DateValue accessed) {
    const timespec times[2] = {{static_cast<time_t>(DateValueToFileTime(accessed)), 0},
                               {static_cast<time_t>(DateValueToFileTime(modified)), 0}};
    const bool dated = futimens(fd_, times) == 0;
    return SetAttributes(attributes) && dated;
}

bool ReplacementFile::Finish() {
    if (fd_ < 0) {
        return false;
    }
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    finished_ = closed;
    return closed;
}

bool ReplacementFile::Commit() {
    if (inPlace_) {
        return finished_;
    }
    if (!finished_ || rename(temporaryPath_.c_str(), target_.c_str()) != 0) {
        return false;
    }
    temporaryPath_.clear();
    finished_ = false;
    return true;
}

void ReplacementFile::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temporaryPath_.empty()) {
        unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
    finished_ = false;
    inPlace_ = false;
    ownerKept_ = false;
    groupKept_ = false;
}

}  // namespace quorvex
