#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/InstanceLock.h"

namespace quorvex {

namespace {

// A folder in /tmp is only trusted when it is ours and nobody else can write into it.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & 022) == 0;
}

}  // namespace

InstanceLock::~InstanceLock() {
    if (handle_ >= 0) {
        close(static_cast<int>(handle_));
    }
}

LockResult InstanceLock::Acquire(const std::string& name) {
    if (folder_.empty()) {
        return LockResult::Failed;
    }
    const std::string path = folder_ + name + ".lock";
    // Close-on-exec, so that programs started later do not keep the name alive.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return LockResult::Failed;
    }
    int locked;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool taken = errno == EWOULDBLOCK;
        close(fd);
        return taken ? LockResult::Taken : LockResult::Failed;
    }
    if (handle_ >= 0) {
        close(static_cast<int>(handle_));
    }
    handle_ = fd;
    heldName_ = name;
    return LockResult::Acquired;
}

std::string InstanceLockFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime == '/') {
        std::string folder(runtime);
        return folder.back() == '/' ? folder : folder + '/';
    }
    const std::string folder = "/tmp/quorvex-" + std::to_string(geteuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::string();
    }
    return IsPrivateFolder(folder) ? folder + '/' : std::string();
}

}  // namespace quorvex
