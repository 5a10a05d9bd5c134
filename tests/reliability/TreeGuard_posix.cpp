#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "reliability/TreeGuard.h"

namespace quorvex::test {

namespace {

std::string ReadAll(int fd) {
    std::string content;
    char buffer[65536];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

std::string Describe(int folderFd, const std::string& name, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return kFolderMark;
    }
    if (S_ISLNK(info.st_mode)) {
        char target[PATH_MAX];
        const ssize_t length = readlinkat(folderFd, name.c_str(), target, sizeof target);
        return kLinkMark + std::string(target, length > 0 ? static_cast<std::size_t>(length) : 0);
    }
    if (!S_ISREG(info.st_mode)) {
        return "<other>";
    }
    const int fd = openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return "<unreadable>";
    }
    std::string content = ReadAll(fd);
    close(fd);
    return content;
}

void ReadFolder(int folderFd, const std::string& prefix, TreeContents& tree) {
    const int listingFd = dup(folderFd);
    DIR* dir = fdopendir(listingFd);
    if (dir == nullptr) {
        close(listingFd);
        return;
    }
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        struct stat info {};
        if (name == "." || name == ".." ||
            fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        tree[prefix + name] = Describe(folderFd, name, info);
        if (S_ISDIR(info.st_mode)) {
            const int sub =
                openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                ReadFolder(sub, prefix + name + "/", tree);
                close(sub);
            }
        }
    }
    closedir(dir);
}

}  // namespace

TreeContents ReadTree(const std::string& folder) {
    TreeContents tree;
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ReadFolder(fd, "", tree);
        close(fd);
    }
    return tree;
}

}  // namespace quorvex::test
