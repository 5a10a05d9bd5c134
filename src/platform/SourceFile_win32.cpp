#include "platform/FileHandles_win32.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

constexpr DWORD kLargestRead = 1u << 30;

std::uint64_t SizeOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

class Win32SourceFile : public SourceFile {
  public:
    explicit Win32SourceFile(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& info)
        : handle_(handle), opened_(info) {
        DescribeWin32Entry(info.dwFileAttributes, SizeOf(info), info.ftLastWriteTime, facts_);
    }
    ~Win32SourceFile() override { CloseHandle(handle_); }

    const DirEntry& Facts() const override { return facts_; }
    DateValue Accessed() const override { return DateOfFileTime(opened_.ftLastAccessTime); }
    std::int64_t Length() const override { return static_cast<std::int64_t>(SizeOf(opened_)); }

    bool ChangedSinceOpened() const override {
        BY_HANDLE_FILE_INFORMATION now{};
        return !GetFileInformationByHandle(handle_, &now) || SizeOf(now) != SizeOf(opened_) ||
               CompareFileTime(&now.ftLastWriteTime, &opened_.ftLastWriteTime) != 0;
    }

    bool Rewind() override {
        LARGE_INTEGER start{};
        return SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN) != 0;
    }

    long Read(void* buffer, std::size_t size) override {
        DWORD got = 0;
        const DWORD want = size > kLargestRead ? kLargestRead : static_cast<DWORD>(size);
        return ReadFile(handle_, buffer, want, &got, nullptr) ? static_cast<long>(got) : -1;
    }

    // A positioned read moves the file pointer; the reading position is put back.
    int ReadByteAt(std::int64_t position) override {
        if (position < 0 || position >= Length()) {
            return -1;
        }
        LARGE_INTEGER none{};
        LARGE_INTEGER current{};
        if (!SetFilePointerEx(handle_, none, &current, FILE_CURRENT)) {
            return -1;
        }
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(position & 0xFFFFFFFF);
        at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(position) >> 32);
        unsigned char byte = 0;
        DWORD got = 0;
        const bool read = ReadFile(handle_, &byte, 1, &got, &at) && got == 1;
        SetFilePointerEx(handle_, current, nullptr, FILE_BEGIN);
        return read ? byte : -1;
    }

  private:
    HANDLE handle_;
    BY_HANDLE_FILE_INFORMATION opened_;
    DirEntry facts_;
};

// A folder cannot be opened for reading as a file: it counts as nothing to read.
bool NamesNoFile(const std::wstring& path, DWORD error) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return IsAbsentError(error) ||
           (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

}  // namespace

bool Failed(std::string* err) {
    if (err != nullptr) {
        *err = ErrorText(GetLastError());
    }
    return false;
}

DWORD SettableAttributes(std::int32_t attributes) {
    const DWORD settable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                           FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD chosen = static_cast<DWORD>(attributes) & settable;
    return chosen != 0 ? chosen : FILE_ATTRIBUTE_NORMAL;
}

std::unique_ptr<SourceFile> OpenSourceFile(const std::string& path, DWORD extraFlags, bool* missing,
                                           std::string* err) {
    const std::wstring wide = LongPath(path);
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN | extraFlags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (missing != nullptr) {
            *missing = NamesNoFile(wide, error);
        }
        SetLastError(error);
        Failed(err);
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD refused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    if (!GetFileInformationByHandle(handle, &info) || (info.dwFileAttributes & refused) != 0) {
        if (missing != nullptr) {
            *missing = (info.dwFileAttributes & refused) != 0;
        }
        Failed(err);
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32SourceFile>(handle, info);
}

}  // namespace quorvex
