#include "hostile/Mounts.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex::test {

namespace {

constexpr off_t kFatImageSize = 8 << 20;

bool MakeFatImage(const std::string& image) {
    const int fd = open(image.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const bool sized = fd >= 0 && ftruncate(fd, kFatImageSize) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return sized && RunProcess({"mkfs.vfat", image}).exitStatus == 0;
}

bool KernelKnowsVfat() {
    return ReadFile("/proc/filesystems").find("\tvfat\n") != std::string::npos;
}

}  // namespace

Mounts::~Mounts() {
    for (auto point = points_.rbegin(); point != points_.rend(); ++point) {
        Unmount(*point);
    }
}

void Mounts::Unmount(const std::string& point) {
    umount2(point.c_str(), MNT_DETACH);
}

bool Mounts::Made(bool mounted, const std::string& point) {
    if (mounted) {
        points_.push_back(point);
    }
    return mounted;
}

bool Mounts::Tmpfs(const std::string& point) {
    return Made(mount("quorvex-test", point.c_str(), "tmpfs", 0, "size=16m,mode=0755") == 0, point);
}

bool Mounts::Bind(const std::string& folder, const std::string& point) {
    return Made(mount(folder.c_str(), point.c_str(), nullptr, MS_BIND, nullptr) == 0, point);
}

bool Mounts::Fat(const std::string& image, const std::string& point) {
    if (!MakeFatImage(image)) {
        return false;
    }
    const ProcessResult result = KernelKnowsVfat()
                                     ? RunProcess({"mount", "-o", "loop", image, point})
                                     : RunProcess({"fusefat", "-o", "rw+", image, point});
    return Made(result.exitStatus == 0, point);
}

}  // namespace quorvex::test
