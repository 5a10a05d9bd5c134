#include "platform/FileHandles_win32.h"
#include "platform/Paths.h"
#include "platform/TemporaryName.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

constexpr DWORD kLargestWrite = 1u << 30;
constexpr int kNameAttempts = 100;

WriteFailure FailureOf(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return WriteFailure::NoPermission;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return WriteFailure::NoRoom;
        default:
            return WriteFailure::Other;
    }
}

std::uint64_t SizeOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

// Deleting a read-only file needs the flag taken off first.
void DeleteWritten(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

// The old content's room is freed by the truncation, so it counts as free.
bool FitsInPlace(const std::string& target, std::uint64_t oldSize, std::int64_t length) {
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(LongPath(ParentFolderOf(target)).c_str(), &available, nullptr,
                             nullptr)) {
        return false;
    }
    return available.QuadPart + oldSize >= static_cast<std::uint64_t>(length);
}

class TargetFile : public NewFile {
  public:
    explicit TargetFile(const TargetPaths& paths) : paths_(paths) {}
    ~TargetFile() override { Discard(); }

    bool Create(const std::string& target) override {
        Discard();
        if (!paths_.Reachable(target, pins_)) {
            return Refuse(GetLastError());
        }
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const std::wstring temporary = LongPath(ParentFolderOf(target) + NewTemporaryName());
            handle_ = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE) {
                temporary_ = temporary;
                target_ = LongPath(target);
                return true;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) {
                return Refuse(GetLastError());
            }
        }
        return Refuse(ERROR_FILE_EXISTS);
    }

    bool OpenInPlace(const std::string& target, std::int64_t length) override {
        Discard();
        if (!paths_.Reachable(target, pins_)) {
            return false;
        }
        const HANDLE handle =
            CreateFileW(LongPath(target).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        BY_HANDLE_FILE_INFORMATION info{};
        const bool suitable = GetFileInformationByHandle(handle, &info) &&
                              (info.dwFileAttributes &
                               (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
                              info.nNumberOfLinks == 1 && FitsInPlace(target, SizeOf(info), length);
        LARGE_INTEGER start{};
        if (!suitable || !SetFilePointerEx(handle, start, nullptr, FILE_BEGIN) ||
            !SetEndOfFile(handle)) {
            CloseHandle(handle);
            return false;
        }
        handle_ = handle;
        inPlace_ = true;
        return true;
    }

    bool InPlace() const override { return inPlace_; }
    WriteFailure Failure() const override { return failure_; }
    const std::string& Reason() const override { return reason_; }

    bool Write(const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const char*>(data);
        while (size > 0) {
            const DWORD want = size > kLargestWrite ? kLargestWrite : static_cast<DWORD>(size);
            DWORD written = 0;
            if (!WriteFile(handle_, bytes, want, &written, nullptr) || written == 0) {
                return Refuse(GetLastError());
            }
            bytes += written;
            size -= written;
        }
        return true;
    }

    long CopyFrom(SourceFile&, std::size_t) override { return kKernelCopyUnsupported; }
    // Windows files take their owner from the folder's rules, not from the source.
    void TakeOwner(const SourceFile&) override {}

    bool SetAttributes(std::int32_t attributes) override {
        FILE_BASIC_INFO basic{};
        basic.FileAttributes = SettableAttributes(attributes);
        return SetFileInformationByHandle(handle_, FileBasicInfo, &basic, sizeof basic) != 0;
    }

    bool Stamp(std::int32_t attributes, DateValue modified, DateValue accessed) override {
        FILE_BASIC_INFO basic{};
        basic.FileAttributes = SettableAttributes(attributes);
        basic.LastWriteTime.QuadPart = AsInteger(FileTimeOfDate(modified));
        basic.LastAccessTime.QuadPart = AsInteger(FileTimeOfDate(accessed));
        return SetFileInformationByHandle(handle_, FileBasicInfo, &basic, sizeof basic) != 0;
    }

    bool Finish() override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool flushed = FlushFileBuffers(handle_) != 0;
        const DWORD error = GetLastError();
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        SetLastError(error);
        return flushed && closed;
    }

    bool Commit() override {
        if (inPlace_) {
            return true;
        }
        if (temporary_.empty() ||
            !MoveFileExW(temporary_.c_str(), target_.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            reason_ = ErrorText(GetLastError());
            return false;
        }
        temporary_.clear();
        pins_.Release();
        return true;
    }

  private:
    static LONGLONG AsInteger(const FILETIME& time) {
        return static_cast<LONGLONG>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
    }

    bool Refuse(DWORD error) {
        failure_ = FailureOf(error);
        reason_ = ErrorText(error);
        SetLastError(error);
        return false;
    }

    void Discard() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
        if (!temporary_.empty()) {
            DeleteWritten(temporary_);
            temporary_.clear();
        }
        inPlace_ = false;
        pins_.Release();
    }

    const TargetPaths& paths_;
    // The folders on the way to the target, held from the start until the commit.
    FolderPins pins_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::wstring temporary_;
    std::wstring target_;
    bool inPlace_ = false;
    WriteFailure failure_ = WriteFailure::None;
    std::string reason_;
};

}  // namespace

std::unique_ptr<NewFile> StartTargetFile(const TargetPaths& paths) {
    return std::make_unique<TargetFile>(paths);
}

}  // namespace quorvex
