#include "reliability/TreeGuard.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "support/TempDir.h"

namespace quorvex::test {

namespace {

constexpr const char* kFolderMark = "<folder>";
constexpr const char* kLinkMark = "<link>";

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

bool IsFolder(const TreeContents& tree, const std::string& path) {
    const auto found = tree.find(path);
    return found != tree.end() && found->second == kFolderMark;
}

bool IsFile(const TreeContents& tree, const std::string& path) {
    const auto found = tree.find(path);
    return found != tree.end() && found->second != kFolderMark;
}

// What a copy of a source entry holds: a link is read through.
std::string CopiedContent(const TreeContents& tree, const std::string& root,
                          const std::string& path) {
    const std::string& value = tree.at(path);
    return value.rfind(kLinkMark, 0) == 0 ? ReadFile(root + path) : value;
}

std::string Judge(const std::string& path, const std::string& before, const TreeContents& source,
                  const std::string& sourceRoot, const TreeContents& target, bool mirror) {
    const bool sourceHasKind =
        before == kFolderMark ? IsFolder(source, path) : IsFile(source, path);
    const auto now = target.find(path);
    if (now == target.end()) {
        return mirror && !sourceHasKind ? "" : "lost: " + path + "\n";
    }
    if (now->second == before) {
        return "";
    }
    if (IsFile(source, path) && now->second == CopiedContent(source, sourceRoot, path)) {
        return "";
    }
    if (mirror && !sourceHasKind && source.count(path) != 0) {
        return "";  // replaced by the source's entry of the other kind
    }
    return "damaged: " + path + "\n";
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

std::string LossReport(const TreeContents& sourceBefore, const TreeContents& targetBefore,
                       const std::string& source, const std::string& target, bool mirror) {
    std::string report;
    const TreeContents sourceNow = ReadTree(source);
    if (sourceNow != sourceBefore) {
        report += "the source changed\n";
    }
    const TreeContents targetNow = ReadTree(target);
    for (const auto& [path, before] : targetBefore) {
        report += Judge(path, before, sourceNow, source, targetNow, mirror);
    }
    for (const auto& [path, now] : targetNow) {
        if (targetBefore.count(path) != 0) {
            continue;
        }
        const bool copied = now == kFolderMark ? IsFolder(sourceNow, path)
                                               : IsFile(sourceNow, path) &&
                                                     now == CopiedContent(sourceNow, source, path);
        if (!copied) {
            report += "unexpected: " + path + "\n";
        }
    }
    return report;
}

}  // namespace quorvex::test
