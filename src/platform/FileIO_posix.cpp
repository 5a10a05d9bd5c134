#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "platform/AttributeModes_posix.h"
#include "platform/Descriptors_posix.h"
#include "platform/EntryFacts_posix.h"
#include "platform/FileIO_posix.h"
#include "platform/FileSystem.h"
#include "platform/TargetTree_posix.h"
#include "platform/TemporaryName.h"

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
    return Adopt(fd, BaseName(path));
}

bool InputFile::Adopt(int fd, const char* name) {
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        missing_ = true;
        close(fd);
        return false;
    }
    DescribeStatus(info, name, false, facts_);
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

// Locks a new temporary file for as long as it exists. False when a cleaner removed the
// file before the lock was taken. A file system without locks leaves the file unlocked,
// and then no cleaner can lock it either.
bool HoldWhileWriting(int fd) {
    struct stat info {};
    return flock(fd, LOCK_EX) != 0 || (fstat(fd, &info) == 0 && info.st_nlink > 0);
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

bool ReplacementFile::Create(TargetTree& tree, const std::string& target) {
    Discard();
    FailWritesPastTheSizeLimit();
    const int folder = tree.impl_->Parent(target, targetName_);
    if (folder < 0) {
        failure_ = FailureOf(errno);
        return false;
    }
    folderFd_ = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    for (int attempt = 0; folderFd_ >= 0 && attempt < 100; ++attempt) {
        const std::string name = NewTemporaryName();
        const int fd = openat(folderFd_, name.c_str(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            failure_ = FailureOf(errno);
            break;
        }
        if (fd >= 0 && HoldWhileWriting(fd)) {
            fd_ = fd;
            lockFd_ = fcntl(fd, F_DUPFD_CLOEXEC, 0);
            temporaryName_ = name;
            finished_ = false;
            return true;
        }
        if (fd >= 0) {
            close(fd);
        }
    }
    Release();
    return false;
}

bool ReplacementFile::OpenInPlace(TargetTree& tree, const std::string& target,
                                  std::int64_t length) {
    Discard();
    FailWritesPastTheSizeLimit();
    // Non-blocking, so a FIFO in the file's place is refused instead of waited on.
    const int fd = tree.impl_->OpenEntry(target, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
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

namespace {

mode_t WithoutForeignSetIdBits(mode_t mode, bool ownerKept, bool groupKept) {
    if (!ownerKept) {
        mode &= static_cast<mode_t>(~S_ISUID);
    }
    if (!groupKept) {
        mode &= static_cast<mode_t>(~S_ISGID);
    }
    return mode;
}

}  // namespace

bool ReplacementFile::SetAttributes(std::int32_t attributes) {
    return fchmod(fd_, WithoutForeignSetIdBits(ModeForAttributes(attributes, S_IFREG), ownerKept_,
                                               groupKept_)) == 0;
}

bool ReplacementFile::TakeStatusOf(const InputFile& source) {
    struct stat info {};
    if (fstat(source.fd_, &info) != 0) {
        return false;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    return fchmod(fd_, WithoutForeignSetIdBits(info.st_mode & 07777, ownerKept_, groupKept_)) ==
               0 &&
           futimens(fd_, times) == 0;
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
    if (!finished_ ||
        renameat(folderFd_, temporaryName_.c_str(), folderFd_, targetName_.c_str()) != 0) {
        return false;
    }
    temporaryName_.clear();
    Release();
    return true;
}

void ReplacementFile::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temporaryName_.empty()) {
        unlinkat(folderFd_, temporaryName_.c_str(), 0);
        temporaryName_.clear();
    }
    Release();
    inPlace_ = false;
    ownerKept_ = false;
    groupKept_ = false;
}

// The lock goes only after the temporary name is gone.
void ReplacementFile::Release() {
    for (int* fd : {&lockFd_, &folderFd_}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
    finished_ = false;
}

}  // namespace quorvex
