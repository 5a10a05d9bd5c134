#include <windows.h>

#include <filesystem>
#include <set>

#include "platform/WideText_win32.h"
#include "support/TempDir.h"
#include "support/TreeCheck.h"

namespace quorvex::test {

namespace {

namespace fs = std::filesystem;

// The attributes a copy must carry over; the archive flag is the system's business.
constexpr DWORD kCompared = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                            FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// Every entry below a folder, as paths relative to it; found with the system's own
// search, which takes the long path form.
void AddEntriesBelow(const fs::path& root, const fs::path& relative, std::set<fs::path>& entries) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW((root / relative / L"*").c_str(), FindExInfoBasic,
                                           &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            entries.insert(relative / name);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                AddEntriesBelow(root, relative / name, entries);
            }
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::set<fs::path> EntriesBelow(const fs::path& root) {
    std::set<fs::path> entries;
    AddEntriesBelow(root, fs::path(), entries);
    return entries;
}

// File times are kept in whole seconds by the program.
unsigned long long WholeSeconds(const FILETIME& time) {
    return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           10000000ULL;
}

// What differs between one entry and its copy: kind, attributes, content and file time,
// the latter two for files only; empty when nothing does.
std::string EntryDifference(const fs::path& source, const fs::path& target) {
    WIN32_FILE_ATTRIBUTE_DATA from{};
    WIN32_FILE_ATTRIBUTE_DATA to{};
    if (!GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &to)) {
        return "missing";
    }
    GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &from);
    if ((from.dwFileAttributes & kCompared) != (to.dwFileAttributes & kCompared)) {
        return "attributes " + std::to_string(from.dwFileAttributes) + " -> " +
               std::to_string(to.dwFileAttributes);
    }
    if ((from.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return "";
    }
    if (ReadFile(Narrow(source.wstring())) != ReadFile(Narrow(target.wstring()))) {
        return "content";
    }
    if (WholeSeconds(from.ftLastWriteTime) != WholeSeconds(to.ftLastWriteTime)) {
        return "time";
    }
    return "";
}

}  // namespace

// A walk of both trees in place of rsync, which Windows lacks.
std::string RsyncDifferences(const std::string& source, const std::string& target, bool mirror) {
    const fs::path sourceRoot(LongPath(source));
    const fs::path targetRoot(LongPath(target));
    std::string differences;
    for (const fs::path& entry : EntriesBelow(sourceRoot)) {
        const std::string difference = EntryDifference(sourceRoot / entry, targetRoot / entry);
        if (!difference.empty()) {
            differences += difference + " " + Narrow(entry.wstring()) + "\n";
        }
    }
    if (mirror) {
        for (const fs::path& entry : EntriesBelow(targetRoot)) {
            if (GetFileAttributesW((sourceRoot / entry).c_str()) == INVALID_FILE_ATTRIBUTES) {
                differences += "surplus " + Narrow(entry.wstring()) + "\n";
            }
        }
    }
    return differences;
}

}  // namespace quorvex::test
