#include "platform/TargetTree_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/AttributeModes_posix.h"
#include "platform/Descriptors_posix.h"
#include "platform/EntryFacts_posix.h"
#include "platform/FileIO_posix.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace quorvex {

TargetTree::Impl::~Impl() {
    Forget();
    if (root >= 0) {
        close(root);
    }
}

bool TargetTree::Impl::Parts(const std::string& path, std::vector<std::string>& parts) const {
    parts.clear();
    const std::string folderText = WithTrailingSeparator(path);
    if (folderText.compare(0, rootText.size(), rootText) != 0) {
        errno = EXDEV;
        return false;
    }
    std::size_t start = rootText.size();
    while (start < path.size()) {
        std::size_t end = path.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string part = path.substr(start, end - start);
        if (part == "." || part == "..") {
            errno = EXDEV;
            return false;
        }
        if (!part.empty()) {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return true;
}

int TargetTree::Impl::Parent(const std::string& path, std::string& name) {
    std::vector<std::string> parts;
    if (!Parts(path, parts)) {
        return -1;
    }
    if (parts.empty()) {
        errno = EINVAL;
        return -1;
    }
    name = parts.back();
    parts.pop_back();
    if (parts.empty()) {
        return root;
    }
    std::string folder;
    for (const std::string& part : parts) {
        folder += part + kPathSeparator;
    }
    if (cachedFd_ >= 0 && folder == cachedFolder_) {
        return cachedFd_;
    }
    int fd = root;
    for (const std::string& part : parts) {
        const int next = openat(fd, part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int error = errno;
        if (fd != root) {
            close(fd);
        }
        if (next < 0) {
            errno = error;
            return -1;
        }
        fd = next;
    }
    Forget();
    cachedFolder_ = folder;
    cachedFd_ = fd;
    return fd;
}

int TargetTree::Impl::OpenEntry(const std::string& path, int flags) {
    if (WithTrailingSeparator(path) == rootText) {
        return openat(root, ".", flags | O_CLOEXEC);
    }
    std::string name;
    const int parent = Parent(path, name);
    return parent < 0 ? -1 : openat(parent, name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
}

bool TargetTree::Impl::Status(const std::string& path, struct stat& status, std::string& name) {
    if (WithTrailingSeparator(path) == rootText) {
        return fstat(root, &status) == 0;
    }
    const int parent = Parent(path, name);
    return parent >= 0 && fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

void TargetTree::Impl::Forget() {
    if (cachedFd_ >= 0) {
        close(cachedFd_);
    }
    cachedFd_ = -1;
    cachedFolder_.clear();
}

namespace {

void DescribeEntry(const struct stat& status, const char* name, DirEntry& entry) {
    DescribeStatus(status, name, false, entry);
    if (S_ISLNK(status.st_mode)) {
        entry.kind = EntryKind::Link;
    }
}

EntryKind KindOf(int folderFd, const dirent& item) {
    switch (item.d_type) {
        case DT_REG:
            return EntryKind::File;
        case DT_DIR:
            return EntryKind::Folder;
        case DT_LNK:
            return EntryKind::Link;
        case DT_UNKNOWN: {
            struct stat status {};
            if (fstatat(folderFd, item.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
                return EntryKind::Other;
            }
            DirEntry entry;
            DescribeEntry(status, item.d_name, entry);
            return entry.kind;
        }
        default:
            return EntryKind::Other;
    }
}

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
        struct stat status {};
        if (fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
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

// A name beside the given one that nothing has yet.
std::string FreeName(int folderFd, const std::string& name) {
    for (int number = 0;; ++number) {
        const std::string candidate = name + ".case-" + std::to_string(number);
        struct stat status {};
        if (fstatat(folderFd, candidate.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 &&
            errno == ENOENT) {
            return candidate;
        }
    }
}

bool SameIdentity(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool SameFacts(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_mode == second.st_mode &&
           first.st_size == second.st_size && first.st_mtim.tv_sec == second.st_mtim.tv_sec &&
           first.st_mtim.tv_nsec == second.st_mtim.tv_nsec;
}

// True unless the folder can be listed and lacks the name.
bool MayList(int folderFd, const std::string& name) {
    DIR* dir = ListingOf(openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir == nullptr) {
        return true;
    }
    bool listed = false;
    while (const dirent* item = readdir(dir)) {
        listed = listed || name == item->d_name;
    }
    closedir(dir);
    return listed;
}

}  // namespace

TargetTree::TargetTree() : impl_(std::make_unique<Impl>()) {}

TargetTree::~TargetTree() = default;

bool TargetTree::Open(const std::string& root) {
    impl_ = std::make_unique<Impl>();
    impl_->rootText = WithTrailingSeparator(root);
    impl_->root = OpenFolder(root);
    return impl_->root >= 0;
}

void TargetTree::Close() {
    impl_ = std::make_unique<Impl>();
}

LookupResult TargetTree::Lookup(const std::string& path, DirEntry& info) {
    struct stat status {};
    std::string name;
    if (!impl_->Status(path, status, name)) {
        return errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? LookupResult::Missing
                                                                     : LookupResult::Inaccessible;
    }
    DescribeEntry(status, name.c_str(), info);
    return LookupResult::Found;
}

bool TargetTree::IsFolder(const std::string& path) {
    DirEntry info;
    return Lookup(path, info) == LookupResult::Found && info.kind == EntryKind::Folder;
}

bool TargetTree::List(const std::string& folder, std::vector<DirEntry>& entries) {
    entries.clear();
    DIR* dir = ListingOf(impl_->OpenEntry(folder, O_RDONLY | O_DIRECTORY));
    if (dir == nullptr) {
        return false;
    }
    const int fd = dirfd(dir);
    while (const dirent* item = readdir(dir)) {
        struct stat status {};
        if (fstatat(fd, item->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        DirEntry entry;
        entry.name = item->d_name;
        DescribeEntry(status, item->d_name, entry);
        if (entry.kind != EntryKind::Other) {
            entries.push_back(std::move(entry));
        }
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return true;
}

bool TargetTree::ListKinds(const std::string& folder, std::vector<NamedKind>& entries) {
    entries.clear();
    DIR* dir = ListingOf(impl_->OpenEntry(folder, O_RDONLY | O_DIRECTORY));
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

bool TargetTree::OpenFile(const std::string& path, InputFile& file) {
    file.Close();
    const int fd = impl_->OpenEntry(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    return fd >= 0 && file.Adopt(fd, BaseName(path));
}

bool TargetTree::SameEntry(const std::string& first, const std::string& second) {
    struct stat firstStatus {};
    struct stat secondStatus {};
    std::string firstName;
    std::string secondName;
    if (!impl_->Status(first, firstStatus, firstName) ||
        !impl_->Status(second, secondStatus, secondName)) {
        return false;
    }
    if (SameIdentity(firstStatus, secondStatus)) {
        return true;
    }
    // Some file systems (FUSE ones among them) number an entry by the name it was looked
    // up with. There a name that its folder does not list, but that a lookup finds all the
    // same, is another spelling of a listed entry: the one in the same folder with the
    // same facts.
    const int parent = impl_->Parent(second, secondName);
    return parent >= 0 && ParentFolderOf(first) == ParentFolderOf(second) &&
           SameFacts(firstStatus, secondStatus) && !MayList(parent, secondName);
}

bool TargetTree::MakeFolder(const std::string& path) {
    std::string name;
    const int parent = impl_->Parent(path, name);
    if (parent < 0) {
        return false;
    }
    struct stat status {};
    if (fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(status.st_mode)) {
        unlinkat(parent, name.c_str(), 0);
    }
    return mkdirat(parent, name.c_str(), 0777) == 0;
}

bool TargetTree::StampFolder(const std::string& path, std::int32_t attributes, DateValue modified) {
    const int fd = impl_->OpenEntry(path, O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool moded =
        fstat(fd, &status) == 0 && fchmod(fd, ModeForAttributes(attributes, status.st_mode)) == 0;
    // The access time gets the same value: some file system drivers (FUSE exFAT and FAT)
    // drop a modification time set on its own.
    const timespec time = {static_cast<time_t>(DateValueToFileTime(modified)), 0};
    const timespec times[2] = {time, time};
    const bool dated = futimens(fd, times) == 0;
    close(fd);
    return moded && dated;
}

bool TargetTree::MakeWritable(const std::string& path) {
    const int fd = impl_->OpenEntry(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool done = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                      fchmod(fd, ModeForAttributes(kAttributeNormal, status.st_mode)) == 0;
    close(fd);
    return done;
}

bool TargetTree::Remove(const std::string& path) {
    std::string name;
    const int parent = impl_->Parent(path, name);
    return parent >= 0 && unlinkat(parent, name.c_str(), 0) == 0;
}

bool TargetTree::RemoveFolderTree(const std::string& path) {
    std::string name;
    const int parent = impl_->Parent(path, name);
    if (parent < 0) {
        return false;
    }
    const int fd = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    RemoveContents(fd);
    close(fd);
    const bool removed = unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0;
    impl_->Forget();
    return removed;
}

bool TargetTree::Rename(const std::string& path, const std::string& newName) {
    if (newName.empty() || newName == "." || newName == ".." ||
        newName.find(kPathSeparator) != std::string::npos) {
        return false;
    }
    std::string name;
    const int parent = impl_->Parent(path, name);
    if (parent < 0) {
        return false;
    }
    const std::string between = FreeName(parent, name);
    bool renamed = renameat(parent, name.c_str(), parent, between.c_str()) == 0;
    if (renamed && renameat(parent, between.c_str(), parent, newName.c_str()) != 0) {
        renameat(parent, between.c_str(), parent, name.c_str());
        renamed = false;
    }
    impl_->Forget();
    return renamed;
}

bool TargetTree::RemoveStaleTemporary(const std::string& path) {
    std::string name;
    const int parent = impl_->Parent(path, name);
    if (parent < 0 || !IsTemporaryFileName(name)) {
        return false;
    }
    const int fd =
        openat(parent, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // A writer holds the lock for the file's whole life, so getting it proves the file
    // abandoned; the name must still lead to the file that was locked.
    struct stat held {};
    struct stat named {};
    const bool stale = fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
                       flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                       fstatat(parent, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                       SameIdentity(held, named);
    const bool removed = stale && unlinkat(parent, name.c_str(), 0) == 0;
    close(fd);
    return removed;
}

}  // namespace quorvex
