#include "platform/FileHandles_win32.h"

namespace quorvex {

bool FolderPins::Add(const std::wstring& folder, bool followLink) {
    // Only a handle with data access takes part in the sharing rules, hence the listing
    // right. Write sharing stays open: creating and renaming entries inside needs it.
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle =
        CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION facts{};
    DWORD problem = GetFileInformationByHandle(handle, &facts) ? ERROR_SUCCESS : GetLastError();
    if (problem == ERROR_SUCCESS && (facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        problem = ERROR_DIRECTORY;
    }
    if (problem == ERROR_SUCCESS && !followLink &&
        (facts.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        problem = ERROR_ACCESS_DENIED;
    }
    if (problem != ERROR_SUCCESS) {
        CloseHandle(handle);
        SetLastError(problem);
        return false;
    }
    handles_.push_back(handle);
    return true;
}

void FolderPins::Release() {
    for (const HANDLE handle : handles_) {
        CloseHandle(handle);
    }
    handles_.clear();
}

}  // namespace quorvex
