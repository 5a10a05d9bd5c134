#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/AttributeModes_posix.h"
#include "platform/Descriptors_posix.h"
#include "platform/DirectoryListing.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace quorvex {

bool SetFileAttributes(const std::string& path, std::int32_t attributes) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return false;
    }
    return chmod(path.c_str(), ModeForAttributes(attributes, info.st_mode)) == 0;
}

bool SetModificationDate(const std::string& path, DateValue modified) {
    const timespec time = {static_cast<time_t>(DateValueToFileTime(modified)), 0};
    const timespec times[2] = {time, time};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool CreateFolder(const std::string& path) {
    return mkdir(WithoutTrailingSeparators(path).c_str(), 0777) == 0;
}

bool DeleteFile(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

namespace {

std::vector<std::string> EntryNames(int folderFd) {
    std::vector<std::string> names;
    DIR* dir = ListingOf(dup(folderFd));
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(dir);
    return names;
}

// Names are read first and removed afterwards, so removing never disturbs the listing.
void RemoveContents(int folderFd) {
    for (const std::string& name : EntryNames(folderFd)) {
        struct stat info {};
        if (fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            const int sub =
                openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                RemoveContents(sub);
                close(sub);
            }
            unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
        } else {
            unlinkat(folderFd, name.c_str(), 0);
        }
    }
}

}  // namespace

namespace {

EntryKind KindFromStat(int folderFd, const char* name) {
    struct stat info {};
    if (fstatat(folderFd, name, &info, 0) != 0) {
        return EntryKind::Other;
    }
    return S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Other;
}

EntryKind KindOf(int folderFd, const dirent& item) {
    switch (item.d_type) {
        case DT_REG:
            return EntryKind::File;
        case DT_DIR:
            return EntryKind::Folder;
        case DT_LNK:
            // A link counts as the file it points to, never as a folder.
            return KindFromStat(folderFd, item.d_name);
        case DT_UNKNOWN: {
            struct stat info {};
            if (fstatat(folderFd, item.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                return EntryKind::Other;
            }
            if (S_ISDIR(info.st_mode)) {
                return EntryKind::Folder;
            }
            return S_ISLNK(info.st_mode)
                       ? KindFromStat(folderFd, item.d_name)
                       : (S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Other);
        }
        default:
            return EntryKind::Other;
    }
}

}  // namespace

bool ListEntryKinds(const std::string& folder, std::vector<NamedKind>& entries) {
    entries.clear();
    DIR* dir = ListingOf(OpenFolder(folder));
    if (dir == nullptr) {
        return false;
    }
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..") {
            entries.push_back({name, KindOf(dirfd(dir), *item)});
        }
    }
    closedir(dir);
    return true;
}

bool RemoveFolderTree(const std::string& path) {
    const std::string folder = WithoutTrailingSeparators(path);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    RemoveContents(fd);
    close(fd);
    return rmdir(folder.c_str()) == 0;
}

namespace {

constexpr std::size_t kSystemCopyBlock = 1 << 20;

bool CopyContent(int sourceFd, ReplacementFile& target) {
    std::vector<char> buffer(kSystemCopyBlock);
    for (;;) {
        const ssize_t got = read(sourceFd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!target.Write(buffer.data(), static_cast<std::size_t>(got))) {
            return false;
        }
    }
}

}  // namespace

bool SystemCopyFile(const std::string& source, const std::string& target) {
    const int sourceFd = open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (sourceFd < 0) {
        return false;
    }
    struct stat info {};
    ReplacementFile replacement;
    bool copied = fstat(sourceFd, &info) == 0 && S_ISREG(info.st_mode) &&
                  replacement.Create(target) && CopyContent(sourceFd, replacement) &&
                  replacement.Finish();
    close(sourceFd);
    if (copied) {
        const timespec times[2] = {info.st_atim, info.st_mtim};
        // This copy does not take the source's owner, so it takes no set-id bit either.
        copied = chmod(replacement.TemporaryPath().c_str(), info.st_mode & 01777) == 0 &&
                 utimensat(AT_FDCWD, replacement.TemporaryPath().c_str(), times, 0) == 0 &&
                 replacement.Commit();
    }
    return copied;
}

}  // namespace quorvex
