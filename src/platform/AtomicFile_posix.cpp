#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/AtomicFile.h"
#include "platform/Descriptors_posix.h"

namespace quorvex {

namespace {

// A symbolic link keeps pointing where it did: the file behind it is replaced.
std::string ResolveLink(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

bool AtomicFileWriter::Begin(const std::string& path, NewFileMode newMode) {
    Abandon();
    target_ = ResolveLink(path);
    struct stat existing {};
    const bool exists = stat(target_.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || access(target_.c_str(), W_OK) != 0)) {
        return false;
    }
    std::string pattern = target_ + ".tmp-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // The new file gets the old one's permissions, or those a newly created file gets.
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (newMode == NewFileMode::Executable) {
        mode = 0755;
    }
    fchmod(fd, mode);
    temporary_ = pattern;
    handle_ = fd;
    writeFailed_ = false;
    return true;
}

bool AtomicFileWriter::Write(std::string_view part) {
    if (!IsBegun()) {
        return false;
    }
    if (!writeFailed_ && !WriteAll(handle_, part.data(), part.size())) {
        writeFailed_ = true;
    }
    return !writeFailed_;
}

bool AtomicFileWriter::Commit(std::string_view rest) {
    if (!IsBegun()) {
        return false;
    }
    const bool written = Write(rest) && fsync(handle_) == 0;
    const bool closed = close(handle_) == 0;
    handle_ = -1;
    if (!written || !closed || rename(temporary_.c_str(), target_.c_str()) != 0) {
        unlink(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

void AtomicFileWriter::Abandon() {
    if (handle_ >= 0) {
        close(handle_);
        handle_ = -1;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace quorvex
