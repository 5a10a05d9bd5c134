#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Descriptors_posix.h"
#include "platform/TextFile.h"

namespace quorvex {

bool TextFile::OpenHandle(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::Read:
            flags |= O_RDONLY;
            break;
        case OpenMode::Update:
            flags |= O_RDWR | O_CREAT;
            break;
        case OpenMode::Create:
            flags |= O_WRONLY | O_CREAT | O_TRUNC;
            break;
    }
    // Non-blocking open so that a FIFO in place of a file cannot hang the program;
    // only regular files are accepted.
    const int fd = open(path.c_str(), flags | O_NONBLOCK, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    handle_ = fd;
    return true;
}

void TextFile::CloseHandle() {
    close(static_cast<int>(handle_));
}

long TextFile::RawRead(char* buffer, std::size_t size) {
    ssize_t got;
    do {
        got = read(static_cast<int>(handle_), buffer, size);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

bool TextFile::RawWrite(const char* data, std::size_t size) {
    return WriteAll(static_cast<int>(handle_), data, size);
}

std::int64_t TextFile::RawSeekToEnd() {
    return lseek(static_cast<int>(handle_), 0, SEEK_END);
}

std::int64_t TextFile::RawLength() {
    struct stat info {};
    return fstat(static_cast<int>(handle_), &info) == 0 ? info.st_size : -1;
}

}  // namespace quorvex
