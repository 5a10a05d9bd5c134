#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

enum class OpenMode {
    Read,    // the file must exist; others may read it meanwhile
    Update,  // open or create, read and write, position at the beginning
    Create,  // create or truncate, write only
};

// A text file written and read line by line. Lines end with CR LF on every platform;
// writes are collected in a 4096-byte buffer and written when it fills and on Close.
class TextFile {
  public:
    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool Open(const std::string& path, OpenMode mode);
    bool IsOpen() const { return handle_ >= 0; }
    // Writes what is buffered and closes; false when a write failed at any time.
    bool Close();

    void SeekToEnd();
    std::int64_t Length();

    void Write(std::string_view bytes);
    // The text's bytes as they stand, then CR LF.
    void WriteLine(std::string_view text);
    // Bytes up to CR, LF, NUL or the end; a CR swallows one following LF.
    // False only when the end of the file was reached before any byte.
    bool ReadLine(std::string& line);
    // Every byte from the current position to the end.
    bool ReadRemaining(std::string& contents);

  private:
    bool FlushWrites();
    bool FillReadBuffer();
    // Platform part.
    bool OpenHandle(const std::string& path, OpenMode mode);
    void CloseHandle();
    long RawRead(char* buffer, std::size_t size);
    bool RawWrite(const char* data, std::size_t size);
    std::int64_t RawSeekToEnd();
    std::int64_t RawLength();

    std::intptr_t handle_ = -1;
    bool writeFailed_ = false;
    std::string writeBuffer_;
    std::string readBuffer_;
    std::size_t readPos_ = 0;
    bool atEnd_ = false;
};

// Open in update mode, move to the end, write the line, close.
bool AppendLine(const std::string& path, std::string_view text);

bool ReadWholeFile(const std::string& path, std::string& contents);

}  // namespace quorvex
