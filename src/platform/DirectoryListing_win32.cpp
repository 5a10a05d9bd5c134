#include <windows.h>

#include <algorithm>

#include "platform/DirectoryListing.h"
#include "platform/Listing_win32.h"
#include "platform/Paths.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

std::wstring SearchPattern(const std::string& folder) {
    std::wstring pattern = LongPath(folder);
    if (pattern.back() != L'\\') {
        pattern += L'\\';
    }
    return pattern + L'*';
}

// A file reached through a link: its own facts, attributes of the link's.
bool DescribeEntry(const std::string& folder, const WIN32_FIND_DATAW& data, LinkView links,
                   DirEntry& entry, std::string* reason) {
    const std::uint64_t size =
        (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    DescribeWin32Entry(data.dwFileAttributes, size, data.ftLastWriteTime, entry);
    if (entry.kind != EntryKind::Link || links == LinkView::AsLinks) {
        return true;
    }
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        entry.kind = EntryKind::Other;
        return true;
    }
    return DescribeLinkTarget(WithTrailingSeparator(folder) + entry.name, entry, reason);
}

}  // namespace

bool DescribeLinkTarget(const std::string& path, DirEntry& entry, std::string* reason) {
    const HANDLE file = CreateFileW(LongPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    if (file == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file, &info)) {
        const DWORD error = GetLastError();
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        if (reason != nullptr) {
            *reason = ErrorText(error);
        }
        return false;
    }
    CloseHandle(file);
    const std::string name = entry.name;
    const std::uint64_t size =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    DescribeWin32Entry(info.dwFileAttributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_REPARSE_POINT),
                       size, info.ftLastWriteTime, entry);
    if (entry.kind == EntryKind::Folder) {
        entry.kind = EntryKind::Other;
    }
    entry.name = name;
    return true;
}

bool ListFolder(const std::string& folder, LinkView links, std::vector<DirEntry>& entries,
                std::vector<ListingProblem>* problems, std::string* err) {
    entries.clear();
    WIN32_FIND_DATAW data{};
    const HANDLE search =
        FindFirstFileExW(SearchPattern(folder).c_str(), FindExInfoBasic, &data,
                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A drive root without entries has not even "." and "..".
        if (error == ERROR_FILE_NOT_FOUND) {
            return true;
        }
        if (err != nullptr) {
            *err = ErrorText(error);
        }
        return false;
    }
    do {
        DirEntry entry;
        entry.name = Narrow(data.cFileName);
        std::string reason;
        if (!DescribeEntry(folder, data, links, entry, &reason)) {
            if (problems != nullptr) {
                problems->push_back({entry.name, reason, true});
            }
        } else if (entry.kind != EntryKind::Other) {
            entries.push_back(std::move(entry));
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return true;
}

bool ListDirectory(const std::string& folder, std::vector<DirEntry>& entries,
                   std::vector<ListingProblem>* problems, std::string* err) {
    return ListFolder(folder, LinkView::Followed, entries, problems, err);
}

bool FolderExists(const std::string& path) {
    if (path.empty()) {
        return true;
    }
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileExW(SearchPattern(path).c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    FindClose(search);
    return true;
}

LookupResult LookupPath(const std::string& path, DirEntry& info) {
    const LookupResult found = DescribeWin32Path(path, info);
    if (found != LookupResult::Found) {
        return found;
    }
    if (info.kind != EntryKind::Link) {
        return LookupResult::Found;
    }
    if ((info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        info.kind = EntryKind::Other;
        return LookupResult::Found;
    }
    return DescribeLinkTarget(path, info, nullptr) ? LookupResult::Found
                                                   : LookupResult::Inaccessible;
}

bool FolderIsEmpty(const std::string& path) {
    std::vector<DirEntry> entries;
    if (!ListFolder(path, LinkView::AsLinks, entries, nullptr, nullptr)) {
        return false;
    }
    return std::all_of(entries.begin(), entries.end(), [](const DirEntry& entry) {
        return entry.name == "." || entry.name == "..";
    });
}

}  // namespace quorvex
