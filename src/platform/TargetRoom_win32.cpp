#include "platform/TargetRoom_win32.h"

#include "platform/DirectoryListing.h"
#include "platform/FileHandles_win32.h"
#include "platform/Listing_win32.h"
#include "platform/Paths.h"
#include "platform/TemporaryName.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

bool IsLinkAttribute(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A link or junction itself, never what it leads to.
bool RemoveLinkItself(const std::wstring& path, DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? RemoveDirectoryW(path.c_str()) != 0
                                                        : DeleteFileW(path.c_str()) != 0;
}

bool RemoveFile(const std::wstring& path, DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(path.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    return DeleteFileW(path.c_str()) != 0;
}

bool RemoveTree(const std::wstring& folder);
void RemoveEntry(const std::wstring& path, DWORD attributes);

// Listed through the folder's own handle: a search by path would need delete sharing.
void RemoveEntriesIn(HANDLE handle, const std::wstring& folder) {
    alignas(FILE_FULL_DIR_INFO) char buffer[64 * 1024];
    FILE_INFO_BY_HANDLE_CLASS kind = FileFullDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(handle, kind, buffer, sizeof buffer)) {
        kind = FileFullDirectoryInfo;
        const char* at = buffer;
        for (;;) {
            const auto* entry = reinterpret_cast<const FILE_FULL_DIR_INFO*>(at);
            const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
            if (name != L"." && name != L"..") {
                RemoveEntry(folder + L"\\" + name, entry->FileAttributes);
            }
            if (entry->NextEntryOffset == 0) {
                break;
            }
            at += entry->NextEntryOffset;
        }
    }
}

void RemoveEntry(const std::wstring& path, DWORD attributes) {
    if (IsLinkAttribute(attributes)) {
        RemoveLinkItself(path, attributes);
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveTree(path);
    } else {
        RemoveFile(path, attributes);
    }
}

// The folder is held without delete sharing from its check to its removal, so it cannot
// be swapped for a junction meanwhile; links inside are removed as links, never entered.
bool RemoveTree(const std::wstring& folder) {
    const HANDLE handle = CreateFileW(
        folder.c_str(), DELETE | FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION facts{};
    if (!GetFileInformationByHandle(handle, &facts) ||
        (facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        CloseHandle(handle);
        return false;
    }
    if (!IsLinkAttribute(facts.dwFileAttributes)) {
        RemoveEntriesIn(handle, folder);
    }
    // A read-only folder cannot be removed; zeroed times stay as they are.
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic);
    FILE_DISPOSITION_INFO disposition{TRUE};
    const bool removed = SetFileInformationByHandle(handle, FileDispositionInfo, &disposition,
                                                    sizeof disposition) != 0;
    const DWORD error = GetLastError();
    CloseHandle(handle);
    SetLastError(error);
    return removed;
}

bool SameFileIndex(const std::wstring& first, const std::wstring& second) {
    BY_HANDLE_FILE_INFORMATION facts[2] = {};
    const std::wstring* paths[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        const HANDLE handle =
            CreateFileW(paths[i]->c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool known = GetFileInformationByHandle(handle, &facts[i]) != 0;
        CloseHandle(handle);
        if (!known) {
            return false;
        }
    }
    return facts[0].dwVolumeSerialNumber == facts[1].dwVolumeSerialNumber &&
           facts[0].nFileIndexHigh == facts[1].nFileIndexHigh &&
           facts[0].nFileIndexLow == facts[1].nFileIndexLow;
}

}  // namespace

TargetPaths::TargetPaths(const std::string& root) : root_(WithTrailingSeparator(root)) {}

bool TargetPaths::Reachable(const std::string& path, FolderPins& pins) const {
    pins.Release();
    const std::string bare = WithoutTrailingSeparators(root_);
    if (!pins.Add(LongPath(root_), true)) {
        return false;
    }
    if (path == bare || path == root_) {
        return true;
    }
    if (path.compare(0, root_.size(), root_) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    std::size_t start = root_.size();
    for (;;) {
        const std::size_t end = path.find_first_of("\\/", start);
        const std::string part = path.substr(start, end - start);
        if (part == "." || part == "..") {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        if (end == std::string::npos || end + 1 == path.size()) {
            return true;
        }
        if (!pins.Add(LongPath(path.substr(0, end)))) {
            return false;
        }
        start = end + 1;
    }
}

WindowsTargetRoom::WindowsTargetRoom(const std::string& root) : paths_(root) {}

LookupResult WindowsTargetRoom::Lookup(const std::string& path, DirEntry& info) {
    FolderPins pins;
    return Lookup(path, info, pins);
}

LookupResult WindowsTargetRoom::Lookup(const std::string& path, DirEntry& info, FolderPins& pins) {
    if (!paths_.Reachable(path, pins)) {
        return LookupResult::Missing;
    }
    return DescribeWin32Path(path, info);
}

bool WindowsTargetRoom::IsFolder(const std::string& path) {
    DirEntry info;
    return Lookup(path, info) == LookupResult::Found && info.kind == EntryKind::Folder;
}

// The folder itself is pinned as well, so the listing is of the folder that was checked.
bool WindowsTargetRoom::List(const std::string& folder, std::vector<DirEntry>& entries) {
    entries.clear();
    FolderPins pins;
    return paths_.Reachable(folder, pins) &&
           pins.Add(LongPath(WithoutTrailingSeparators(folder))) &&
           ListFolder(folder, LinkView::AsLinks, entries, nullptr, nullptr);
}

bool WindowsTargetRoom::ListKinds(const std::string& folder, std::vector<NamedKind>& entries) {
    entries.clear();
    std::vector<DirEntry> listed;
    if (!List(folder, listed)) {
        return false;
    }
    for (const DirEntry& entry : listed) {
        if (entry.name != "." && entry.name != "..") {
            entries.push_back({entry.name, entry.kind});
        }
    }
    return true;
}

std::unique_ptr<SourceFile> WindowsTargetRoom::OpenFile(const std::string& path) {
    FolderPins pins;
    if (!paths_.Reachable(path, pins)) {
        return nullptr;
    }
    return OpenSourceFile(path, FILE_FLAG_OPEN_REPARSE_POINT, nullptr, nullptr);
}

bool WindowsTargetRoom::SameEntry(const std::string& first, const std::string& second) {
    FolderPins firstPins;
    FolderPins secondPins;
    return paths_.Reachable(first, firstPins) && paths_.Reachable(second, secondPins) &&
           SameFileIndex(LongPath(first), LongPath(second));
}

bool WindowsTargetRoom::MakeFolder(const std::string& path, std::string* err) {
    FolderPins pins;
    if (!paths_.Reachable(path, pins)) {
        return Failed(err);
    }
    const std::wstring wide = LongPath(WithoutTrailingSeparators(path));
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (IsLinkAttribute(attributes) && !RemoveLinkItself(wide, attributes)) {
        return Failed(err);
    }
    return CreateDirectoryW(wide.c_str(), nullptr) != 0 || Failed(err);
}

bool WindowsTargetRoom::StampFolder(const std::string& path, std::int32_t attributes,
                                    DateValue modified) {
    FolderPins pins;
    if (!paths_.Reachable(path, pins)) {
        return false;
    }
    const HANDLE folder = CreateFileW(
        LongPath(path).c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return false;
    }
    const FILETIME time = FileTimeOfDate(modified);
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = SettableAttributes(attributes);
    basic.LastWriteTime.QuadPart = static_cast<LONGLONG>(
        (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    basic.LastAccessTime = basic.LastWriteTime;
    const bool stamped =
        SetFileInformationByHandle(folder, FileBasicInfo, &basic, sizeof basic) != 0;
    CloseHandle(folder);
    return stamped;
}

bool WindowsTargetRoom::MakeWritable(const std::string& path, std::string* err) {
    DirEntry info;
    FolderPins pins;
    if (Lookup(path, info, pins) != LookupResult::Found || info.kind != EntryKind::File) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Failed(err);
    }
    const DWORD attributes =
        static_cast<DWORD>(info.attributes) & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    return SetFileAttributesW(LongPath(path).c_str(),
                              attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL) != 0 ||
           Failed(err);
}

bool WindowsTargetRoom::Remove(const std::string& path, std::string* err) {
    DirEntry info;
    FolderPins pins;
    if (Lookup(path, info, pins) != LookupResult::Found || info.kind == EntryKind::Folder) {
        SetLastError(info.kind == EntryKind::Folder ? ERROR_DIRECTORY : ERROR_FILE_NOT_FOUND);
        return Failed(err);
    }
    const std::wstring wide = LongPath(path);
    const DWORD attributes = static_cast<DWORD>(info.attributes);
    const bool removed = info.kind == EntryKind::Link ? RemoveLinkItself(wide, attributes)
                                                      : RemoveFile(wide, attributes);
    return removed || Failed(err);
}

bool WindowsTargetRoom::RemoveFolderTree(const std::string& path, std::string* err) {
    DirEntry info;
    FolderPins pins;
    if (Lookup(path, info, pins) != LookupResult::Found) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return Failed(err);
    }
    const std::wstring wide = LongPath(WithoutTrailingSeparators(path));
    if (info.kind == EntryKind::Link) {
        return RemoveLinkItself(wide, static_cast<DWORD>(info.attributes)) || Failed(err);
    }
    return RemoveTree(wide) || Failed(err);
}

// Through a free name, so that a change of case alone takes effect as well.
bool WindowsTargetRoom::Rename(const std::string& path, const std::string& newName,
                               std::string* err) {
    FolderPins pins;
    if (newName.find_first_of("\\/") != std::string::npos) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Failed(err);
    }
    if (!paths_.Reachable(path, pins)) {
        return Failed(err);
    }
    const std::string folder = ParentFolderOf(path);
    const std::wstring from = LongPath(WithoutTrailingSeparators(path));
    const std::wstring free = LongPath(folder + NewTemporaryName());
    if (!MoveFileExW(from.c_str(), free.c_str(), 0)) {
        return Failed(err);
    }
    if (!MoveFileExW(free.c_str(), LongPath(folder + newName).c_str(), 0)) {
        Failed(err);
        MoveFileExW(free.c_str(), from.c_str(), 0);
        return false;
    }
    return true;
}

// A temporary file still being written is held without delete sharing, so only one that
// no writer holds any more can go.
bool WindowsTargetRoom::RemoveStaleTemporary(const std::string& path) {
    DirEntry info;
    FolderPins pins;
    return IsTemporaryFileName(LastPartOf(path)) &&
           Lookup(path, info, pins) == LookupResult::Found && info.kind == EntryKind::File &&
           RemoveFile(LongPath(path), static_cast<DWORD>(info.attributes));
}

std::unique_ptr<NewFile> WindowsTargetRoom::StartNewFile() {
    return StartTargetFile(paths_);
}

bool WindowsTargetRoom::SystemCopy(const std::string& source, const std::string& target,
                                   std::string* err) {
    FolderPins pins;
    if (!paths_.Reachable(target, pins)) {
        return Failed(err);
    }
    const std::wstring temporary = LongPath(ParentFolderOf(target) + NewTemporaryName());
    if (!CopyFileExW(LongPath(source).c_str(), temporary.c_str(), nullptr, nullptr, nullptr,
                     COPY_FILE_FAIL_IF_EXISTS)) {
        return Failed(err);
    }
    if (!MoveFileExW(temporary.c_str(), LongPath(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Failed(err);
        RemoveFile(temporary, GetFileAttributesW(temporary.c_str()));
        return false;
    }
    return true;
}

}  // namespace quorvex
