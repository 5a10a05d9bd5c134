#include <shlobj.h>
#include <windows.h>

#include "platform/Paths.h"
#include "platform/WideText_win32.h"

namespace quorvex {

const char kPathSeparator = '\\';

namespace {

// The path without the "\\?\" prefix, as the user writes it.
std::string Plain(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        return "\\\\" + Narrow(path.substr(8));
    }
    if (path.rfind(L"\\\\?\\", 0) == 0) {
        return Narrow(path.substr(4));
    }
    return Narrow(path);
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The final path of an existing folder, links and junctions followed.
bool FinalFolderPath(const std::wstring& path, std::wstring& resolved) {
    const HANDLE folder =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::wstring buffer(32768, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(folder, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    CloseHandle(folder);
    if (length == 0 || length >= buffer.size()) {
        return false;
    }
    buffer.resize(length);
    resolved = buffer;
    return true;
}

}  // namespace

ProgramLocation LocateProgram() {
    std::wstring buffer(32768, L'\0');
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        return {".\\", "quorvex.exe"};
    }
    buffer.resize(length);
    const std::string path = Plain(buffer);
    const std::size_t separator = path.find_last_of("\\/");
    return {path.substr(0, separator + 1), path.substr(separator + 1)};
}

// The existing part is followed to its final path; the rest is appended as written, with
// "." and ".." applied by the absolute form.
std::string ResolveFolderPath(const std::string& path) {
    const std::wstring absolute = LongPath(path);
    std::wstring existing = absolute;
    while (!IsFolder(existing)) {
        const std::size_t separator = existing.find_last_of(L'\\');
        if (separator == std::wstring::npos || separator < 7) {
            return WithTrailingSeparator(Plain(absolute));
        }
        existing.erase(separator);
    }
    std::wstring resolved;
    if (!FinalFolderPath(existing, resolved)) {
        resolved = existing;
    }
    return WithTrailingSeparator(Plain(resolved + absolute.substr(existing.size())));
}

std::string ProgramDataFolder(const std::string& programFolder) {
    const std::wstring probe = LongPath(programFolder + "Quorvex.probe");
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return programFolder;
    }
    wchar_t* appData = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &appData) != S_OK) {
        CoTaskMemFree(appData);
        return programFolder;
    }
    const std::string folder = WithTrailingSeparator(Narrow(appData)) + "Quorvex";
    CoTaskMemFree(appData);
    CreateDirectoryW(LongPath(folder).c_str(), nullptr);
    return folder + "\\";
}

}  // namespace quorvex
