#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/Descriptors_posix.h"
#include "platform/DirectoryListing.h"
#include "platform/EntryFacts_posix.h"

namespace quorvex {

namespace {

std::int32_t AttributesOf(const struct stat& info, const char* name) {
    std::int32_t attributes = static_cast<std::int32_t>(info.st_mode & 07777) << 16;
    if (S_ISDIR(info.st_mode)) {
        attributes |= kAttributeFolder;
    }
    if ((info.st_mode & S_IWUSR) == 0) {
        attributes |= kAttributeReadOnly;
    }
    if (name[0] == '.') {
        attributes |= kAttributeHidden;
    }
    if ((attributes & (kAttributeReadOnly | kAttributeHidden | kAttributeFolder)) == 0) {
        attributes |= kAttributeNormal;
    }
    return attributes;
}

}  // namespace

void DescribeStatus(const struct stat& info, const char* name, bool viaLink, DirEntry& entry) {
    if (S_ISREG(info.st_mode)) {
        entry.kind = EntryKind::File;
        entry.size = static_cast<std::uint64_t>(info.st_size);
    } else if (S_ISDIR(info.st_mode) && !viaLink) {
        entry.kind = EntryKind::Folder;
        entry.size = 0;
    } else {
        entry.kind = EntryKind::Other;
        entry.size = 0;
    }
    entry.attributes = AttributesOf(info, name);
    entry.modified = FileTimeToDateValue(info.st_mtim.tv_sec);
}

const char* BaseName(const std::string& path) {
    std::size_t end = path.size();
    while (end > 1 && path[end - 1] == '/') {
        --end;
    }
    const std::size_t slash = path.rfind('/', end - 1);
    return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

namespace {

struct StatOutcome {
    int error = 0;            // 0 when the entry was described
    bool linkFailed = false;  // the entry is a link whose target could not be examined
};

// lstat first; a link is described by its target but never counts as a folder.
// The hidden flag follows the entry's own name, which is the last part of the path.
StatOutcome StatEntry(int folderFd, const char* path, const char* name, DirEntry& entry) {
    struct stat info {};
    if (fstatat(folderFd, path, &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return {errno, false};
    }
    bool viaLink = false;
    if (S_ISLNK(info.st_mode)) {
        if (fstatat(folderFd, path, &info, 0) != 0) {
            return {errno, true};
        }
        viaLink = true;
    }
    DescribeStatus(info, name, viaLink, entry);
    return {};
}

}  // namespace

bool ListDirectory(const std::string& folder, std::vector<DirEntry>& entries,
                   std::vector<ListingProblem>* problems, std::string* err) {
    entries.clear();
    DIR* dir = ListingOf(OpenFolder(folder));
    if (dir == nullptr) {
        if (err != nullptr) {
            *err = std::strerror(errno);
        }
        return false;
    }
    const int fd = dirfd(dir);
    while (const dirent* item = readdir(dir)) {
        DirEntry entry;
        entry.name = item->d_name;
        const StatOutcome outcome = StatEntry(fd, item->d_name, item->d_name, entry);
        if (outcome.error == 0 && entry.kind != EntryKind::Other) {
            entries.push_back(std::move(entry));
        } else if (problems != nullptr && (outcome.linkFailed || outcome.error != ENOENT) &&
                   outcome.error != 0) {
            // An entry removed since the folder was read is simply gone.
            problems->push_back({entry.name, std::strerror(outcome.error), outcome.linkFailed});
        }
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return true;
}

bool FolderExists(const std::string& path) {
    DIR* dir = opendir(path.empty() ? "." : path.c_str());
    if (dir == nullptr) {
        return false;
    }
    closedir(dir);
    return true;
}

LookupResult LookupPath(const std::string& path, DirEntry& info) {
    const StatOutcome outcome = StatEntry(AT_FDCWD, path.c_str(), BaseName(path), info);
    if (outcome.error == 0) {
        return LookupResult::Found;
    }
    // A link whose target is gone is still an entry: never "missing".
    const bool absent =
        !outcome.linkFailed && (outcome.error == ENOENT || outcome.error == ENOTDIR);
    return absent ? LookupResult::Missing : LookupResult::Inaccessible;
}

bool FolderIsEmpty(const std::string& path) {
    DIR* dir = ListingOf(OpenFolder(path));
    if (dir == nullptr) {
        return false;
    }
    bool empty = true;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..") {
            empty = false;
            break;
        }
    }
    closedir(dir);
    return empty;
}

}  // namespace quorvex
