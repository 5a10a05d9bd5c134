#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/AttributeModes_posix.h"
#include "platform/Descriptors_posix.h"
#include "platform/EntryFacts_posix.h"
#include "platform/FileIO.h"
#include "platform/TargetTree_posix.h"

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
    fd_ = fd;
    length_ = info.st_size;
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

constexpr char kTemporaryPrefix[] = ".quorvex-";
constexpr std::size_t kTemporaryLetters = 6;
constexpr char kNameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string NewTemporaryName() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameLetters - 2);
    std::string name = kTemporaryPrefix;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i) {
        name += kNameLetters[pick(generator)];
    }
    return name;
}

// A write past the process's file-size limit (ulimit -f) raises a signal that ends the
// process, leaving the temporary file behind and the run log unwritten. Ignored, the
// write fails like one to a full disk: the copy reports it and the old file stays.
void FailWritesPastTheSizeLimit() {
    static const bool ignored = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    static_cast<void>(ignored);
}

// Locks a new temporary file for as long as it exists. False when a cleaner removed the
// file before the lock was taken. A file system without locks leaves the file unlocked,
// and then no cleaner can lock it either.
bool HoldWhileWriting(int fd) {
    struct stat info {};
    return flock(fd, LOCK_EX) != 0 || (fstat(fd, &info) == 0 && info.st_nlink > 0);
}

}  // namespace

bool IsTemporaryFileName(const std::string& name) {
    const std::size_t prefix = sizeof kTemporaryPrefix - 1;
    return name.size() == prefix + kTemporaryLetters &&
           name.compare(0, prefix, kTemporaryPrefix) == 0 &&
           name.find_first_not_of(kNameLetters, prefix) == std::string::npos;
}

bool ReplacementFile::Create(TargetTree& tree, const std::string& target) {
    Discard();
    FailWritesPastTheSizeLimit();
    const int folder = tree.impl_->Parent(target, targetName_);
    if (folder < 0) {
        return false;
    }
    folderFd_ = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    for (int attempt = 0; folderFd_ >= 0 && attempt < 100; ++attempt) {
        const std::string name = NewTemporaryName();
        const int fd = openat(folderFd_, name.c_str(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
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

bool ReplacementFile::Write(const void* data, std::size_t size) {
    return WriteAll(fd_, data, size);
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
    return unsupported ? kKernelCopyUnsupported : -1;
}

bool ReplacementFile::Stamp(std::int32_t attributes, DateValue modified) {
    const timespec times[2] = {{0, UTIME_OMIT},
                               {static_cast<time_t>(DateValueToFileTime(modified)), 0}};
    const bool dated = futimens(fd_, times) == 0;
    return fchmod(fd_, ModeForAttributes(attributes, S_IFREG)) == 0 && dated;
}

bool ReplacementFile::TakeStatusOf(const InputFile& source) {
    struct stat info {};
    if (fstat(source.fd_, &info) != 0) {
        return false;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    return fchmod(fd_, info.st_mode & 07777) == 0 && futimens(fd_, times) == 0;
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
