#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include "platform/AtomicFile.h"
#include "platform/TemporaryName.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const unsigned int count = size > 0x40000000 ? 0x40000000 : static_cast<unsigned int>(size);
        const int written = _write(fd, data, count);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

// Windows has no permission bits to carry over: the new file takes the place of the old
// one with the attributes a new file gets, so mode plays no part.
bool AtomicFileWriter::Begin(const std::string& path, NewFileMode) {
    Abandon();
    target_ = path;
    const DWORD existing = GetFileAttributesW(LongPath(target_).c_str());
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = target_ + NewTemporaryName();
        int fd = -1;
        const errno_t error = _wsopen_s(&fd, LongPath(temporary).c_str(),
                                        _O_BINARY | _O_NOINHERIT | _O_WRONLY | _O_CREAT | _O_EXCL,
                                        _SH_DENYWR, _S_IREAD | _S_IWRITE);
        if (error == 0) {
            temporary_ = temporary;
            handle_ = fd;
            writeFailed_ = false;
            return true;
        }
        if (error != EEXIST) {
            return false;
        }
    }
    return false;
}

bool AtomicFileWriter::Write(std::string_view part) {
    if (!IsBegun()) {
        return false;
    }
    if (!writeFailed_ && !WriteAll(handle_, part.data(), part.size())) {
        writeFailed_ = true;
    }
    return !writeFailed_;
}

bool AtomicFileWriter::Commit(std::string_view rest) {
    if (!IsBegun()) {
        return false;
    }
    const bool written = Write(rest) && _commit(handle_) == 0;
    const bool closed = _close(handle_) == 0;
    handle_ = -1;
    if (!written || !closed ||
        !MoveFileExW(LongPath(temporary_).c_str(), LongPath(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(LongPath(temporary_).c_str());
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFileWriter::Abandon() {
    if (handle_ >= 0) {
        _close(handle_);
        handle_ = -1;
    }
    if (!temporary_.empty()) {
        DeleteFileW(LongPath(temporary_).c_str());
        temporary_.clear();
    }
}

}  // namespace quorvex
