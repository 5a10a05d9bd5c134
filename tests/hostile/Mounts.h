#pragma once

#include <string>
#include <vector>

namespace quorvex::test {

// File systems mounted by a test (root only), unmounted when it ends. Each call answers
// whether the mount could be made.
class Mounts {
  public:
    Mounts() = default;
    Mounts(const Mounts&) = delete;
    Mounts& operator=(const Mounts&) = delete;
    ~Mounts();

    bool Tmpfs(const std::string& point);
    bool Bind(const std::string& folder, const std::string& point);
    // A fresh FAT image file mounted on point: by the kernel where it knows vfat, through
    // FUSE otherwise.
    bool Fat(const std::string& image, const std::string& point);
    // Lazily, so that a file system still in use goes as well.
    static void Unmount(const std::string& point);

  private:
    bool Made(bool mounted, const std::string& point);

    std::vector<std::string> points_;
};

}  // namespace quorvex::test
