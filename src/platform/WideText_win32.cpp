#include "platform/WideText_win32.h"

#include <vector>

namespace quorvex {

namespace {

// 100-nanosecond steps between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kEpochOffset = 116444736000000000LL;
constexpr std::int64_t kStepsPerSecond = 10000000LL;

}  // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring LongPath(const std::string& path) {
    std::wstring wide = Widen(path.empty() ? std::string(".") : path);
    if (wide.rfind(L"\\\\?\\", 0) == 0) {
        return wide;
    }
    for (wchar_t& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return wide;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

std::string ErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text =
        length > 0 ? Narrow(std::wstring_view(buffer, length)) : "error " + std::to_string(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

DateValue DateOfFileTime(const FILETIME& time) {
    const std::int64_t steps =
        (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    const std::int64_t since1970 = steps - kEpochOffset;
    // Whole seconds, rounded towards the past also before 1970.
    std::int64_t seconds = since1970 / kStepsPerSecond;
    if (since1970 % kStepsPerSecond < 0) {
        --seconds;
    }
    return FileTimeToDateValue(seconds);
}

FILETIME FileTimeOfDate(DateValue value) {
    const std::int64_t steps = DateValueToFileTime(value) * kStepsPerSecond + kEpochOffset;
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(steps & 0xFFFFFFFF);
    time.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(steps) >> 32);
    return time;
}

bool IsAbsentError(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
}

void DescribeWin32Entry(DWORD attributes, std::uint64_t size, const FILETIME& modified,
                        DirEntry& entry) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        entry.kind = EntryKind::Link;
        entry.size = 0;
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        entry.kind = EntryKind::Folder;
        entry.size = 0;
    } else {
        entry.kind = EntryKind::File;
        entry.size = size;
    }
    entry.attributes = static_cast<std::int32_t>(attributes);
    entry.modified = DateOfFileTime(modified);
}

LookupResult DescribeWin32Path(const std::string& path, DirEntry& entry) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &data)) {
        return IsAbsentError(GetLastError()) ? LookupResult::Missing : LookupResult::Inaccessible;
    }
    const std::uint64_t size =
        (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    DescribeWin32Entry(data.dwFileAttributes, size, data.ftLastWriteTime, entry);
    return LookupResult::Found;
}

}  // namespace quorvex
