#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include "platform/TextFile.h"
#include "platform/WideText_win32.h"

namespace quorvex {

bool TextFile::OpenHandle(const std::string& path, OpenMode mode) {
    int flags = _O_BINARY | _O_NOINHERIT;
    int sharing = _SH_DENYWR;
    switch (mode) {
        case OpenMode::Read:
            flags |= _O_RDONLY;
            sharing = _SH_DENYNO;
            break;
        case OpenMode::Update:
            flags |= _O_RDWR | _O_CREAT;
            break;
        case OpenMode::Create:
            flags |= _O_WRONLY | _O_CREAT | _O_TRUNC;
            break;
    }
    int fd = -1;
    if (_wsopen_s(&fd, LongPath(path).c_str(), flags, sharing, _S_IREAD | _S_IWRITE) != 0) {
        return false;
    }
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFREG) == 0) {
        _close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

void TextFile::CloseHandle() {
    _close(static_cast<int>(handle_));
}

long TextFile::RawRead(char* buffer, std::size_t size) {
    const unsigned int count = size > 0x40000000 ? 0x40000000 : static_cast<unsigned int>(size);
    return _read(static_cast<int>(handle_), buffer, count);
}

bool TextFile::RawWrite(const char* data, std::size_t size) {
    while (size > 0) {
        const unsigned int count = size > 0x40000000 ? 0x40000000 : static_cast<unsigned int>(size);
        const int written = _write(static_cast<int>(handle_), data, count);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::int64_t TextFile::RawSeekToEnd() {
    return _lseeki64(static_cast<int>(handle_), 0, SEEK_END);
}

std::int64_t TextFile::RawLength() {
    struct _stat64 info {};
    return _fstat64(static_cast<int>(handle_), &info) == 0 ? info.st_size : -1;
}

}  // namespace quorvex
