#include "run/RunLog.h"

#include <algorithm>
#include <cstdio>

#include "platform/TextFile.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
}

void RunLog::WriteLog(std::string_view text) {
    if (settings_.DebugMode == 1) {
        AppendLine(debugLogPath_,
                   FormatDate("[%hh:%ii:%ss] ", CurrentDateValue()) + std::string(text));
    }
    if (settings_.Logging != 1) {
        return;
    }
    if (settings_.SecureLog == 1) {
        if (!path_.empty()) {
            AppendLine(path_, text);
        }
    } else {
        if (buffer_.empty() || buffer_.back().size() + text.size() + 2 > kBlockSize) {
            buffer_.emplace_back().reserve(std::max(kBlockSize, text.size() + 2));
        }
        buffer_.back().append(text).append("\r\n");
    }
}

void RunLog::Debug(std::string_view text) {
    if (settings_.DebugMode == 1) {
        WriteLog(text);
    }
}

void RunLog::BeginRunLog() {
    if (settings_.Logging == 1 && settings_.SecureLog == 1 && !path_.empty()) {
        std::remove(path_.c_str());
    }
    buffer_.clear();
}

std::vector<std::string> RunLog::BufferedLines() const {
    std::vector<std::string> lines;
    for (const std::string& block : buffer_) {
        for (std::size_t start = 0; start < block.size();) {
            const std::size_t end = block.find("\r\n", start);
            lines.push_back(block.substr(start, end - start));
            start = end + 2;
        }
    }
    return lines;
}

bool RunLog::EndRunLog() {
    if (settings_.Logging != 1 || settings_.SecureLog == 1) {
        return true;
    }
    TextFile file;
    bool written = file.Open(path_, OpenMode::Create);
    if (written) {
        for (const std::string& block : buffer_) {
            file.Write(block);
        }
        written = file.Close();
    }
    if (!written && settings_.WindowHidden == 0) {
        dialogs_.ShowMessage("Konnte Log-Datei nicht erstellen!\r\n\r\n" + path_, "Quorvex",
                             MessageIcon::Information);
    }
    return written;
}

}  // namespace quorvex
