#include "platform/TextFile.h"

namespace quorvex {

namespace {
constexpr std::size_t kBufferSize = 4096;
}

TextFile::~TextFile() {
    Close();
}

bool TextFile::Open(const std::string& path, OpenMode mode) {
    Close();
    writeFailed_ = false;
    writeBuffer_.clear();
    readBuffer_.clear();
    readPos_ = 0;
    atEnd_ = false;
    return OpenHandle(path, mode);
}

bool TextFile::Close() {
    if (!IsOpen()) {
        return true;
    }
    FlushWrites();
    CloseHandle();
    handle_ = -1;
    return !writeFailed_;
}

void TextFile::SeekToEnd() {
    FlushWrites();
    readBuffer_.clear();
    readPos_ = 0;
    RawSeekToEnd();
}

std::int64_t TextFile::Length() {
    FlushWrites();
    return RawLength();
}

void TextFile::Write(std::string_view bytes) {
    if (!IsOpen()) {
        return;
    }
    if (bytes.size() >= kBufferSize) {
        // Large blocks go straight to the file instead of through the buffer.
        if (FlushWrites() && !RawWrite(bytes.data(), bytes.size())) {
            writeFailed_ = true;
        }
        return;
    }
    writeBuffer_.append(bytes);
    if (writeBuffer_.size() >= kBufferSize) {
        FlushWrites();
    }
}

void TextFile::WriteLine(std::string_view text) {
    Write(text);
    Write("\r\n");
}

bool TextFile::FlushWrites() {
    if (writeBuffer_.empty() || !IsOpen()) {
        return true;
    }
    if (!RawWrite(writeBuffer_.data(), writeBuffer_.size())) {
        writeFailed_ = true;
    }
    writeBuffer_.clear();
    return !writeFailed_;
}

bool TextFile::FillReadBuffer() {
    if (readPos_ < readBuffer_.size()) {
        return true;
    }
    if (atEnd_ || !IsOpen()) {
        return false;
    }
    readBuffer_.resize(kBufferSize);
    const long got = RawRead(readBuffer_.data(), readBuffer_.size());
    readBuffer_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    readPos_ = 0;
    if (got <= 0) {
        atEnd_ = true;
        return false;
    }
    return true;
}

bool TextFile::ReadLine(std::string& line) {
    line.clear();
    if (!FillReadBuffer()) {
        return false;
    }
    while (FillReadBuffer()) {
        const char c = readBuffer_[readPos_++];
        if (c == '\n' || c == '\0') {
            return true;
        }
        if (c == '\r') {
            if (FillReadBuffer() && readBuffer_[readPos_] == '\n') {
                ++readPos_;
            }
            return true;
        }
        line += c;
    }
    return true;
}

bool AppendLine(const std::string& path, std::string_view text) {
    TextFile file;
    if (!file.Open(path, OpenMode::Update)) {
        return false;
    }
    file.SeekToEnd();
    file.WriteLine(text);
    return file.Close();
}

bool TextFile::ReadRemaining(std::string& contents) {
    contents.clear();
    while (FillReadBuffer()) {
        contents.append(readBuffer_, readPos_, std::string::npos);
        readPos_ = readBuffer_.size();
    }
    return IsOpen();
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    TextFile file;
    contents.clear();
    return file.Open(path, OpenMode::Read) && file.ReadRemaining(contents);
}

}  // namespace quorvex
