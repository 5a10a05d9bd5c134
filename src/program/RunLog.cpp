#include "program/RunLog.h"

#include <algorithm>
#include <cstdio>

#include "platform/AtomicFile.h"
#include "platform/FileText.h"
#include "platform/TextFile.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
}

void RunLog::WriteLog(std::string_view text) {
    if (IsOn(settings_.DebugMode)) {
        AppendLine(debugLogPath_, ReaderFileBytes(FormatDate("[%hh:%ii:%ss] ", clock_->DateNow()) +
                                                  std::string(text)));
    }
    if (!IsOn(settings_.Logging)) {
        return;
    }
    if (IsOn(settings_.SecureLog)) {
        if (!path_.empty()) {
            AppendToFile(text);
        }
    } else {
        if (buffer_.empty() || buffer_.back().size() + text.size() + 2 > kBlockSize) {
            buffer_.emplace_back().reserve(std::max(kBlockSize, text.size() + 2));
        }
        buffer_.back().append(text).append("\r\n");
    }
}

void RunLog::AppendToFile(std::string_view text) {
    TextFile file;
    Failure failure = Failure::NotCreated;
    if (file.Open(path_, OpenMode::Update)) {
        file.SeekToEnd();
        file.WriteLine(ReaderFileBytes(text));
        failure = file.Close() ? Failure::None : Failure::NotWritten;
    }
    if (appendFailure_ == Failure::None) {
        appendFailure_ = failure;
    }
}

void RunLog::Debug(std::string_view text) {
    if (IsOn(settings_.DebugMode)) {
        WriteLog(text);
    }
}

void RunLog::DebugReason(std::string_view reason) {
    if (!reason.empty()) {
        Debug("\tSystemmeldung: " + std::string(reason));
    }
}

void RunLog::BeginRunLog() {
    if (IsOn(settings_.Logging) && IsOn(settings_.SecureLog) && !path_.empty()) {
        std::remove(path_.c_str());
    }
    buffer_.clear();
    appendFailure_ = Failure::None;
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

RunLog::Failure RunLog::WriteBufferToFile() const {
    AtomicFileWriter file;
    if (!file.Begin(path_)) {
        return Failure::NotCreated;
    }
    for (const std::string& block : buffer_) {
        file.Write(ReaderFileBytes(block));
    }
    return file.Commit() ? Failure::None : Failure::NotWritten;
}

void RunLog::Report(Failure failure) const {
    const bool notWritten = failure == Failure::NotWritten;
    const std::string what =
        notWritten ? "Konnte Log-Datei nicht schreiben" : "Konnte Log-Datei nicht erstellen";
    if (settings_.WindowHidden == 0) {
        dialogs_.ShowMessage(what + "!\r\n\r\n" + path_, "Quorvex",
                             notWritten ? MessageIcon::Error : MessageIcon::Information);
    } else {
        dialogs_.ShowMessage(what + ": " + path_, "Quorvex", MessageIcon::Error);
    }
}

bool RunLog::EndRunLog() {
    if (!IsOn(settings_.Logging)) {
        return true;
    }
    const Failure failure = IsOn(settings_.SecureLog) ? appendFailure_ : WriteBufferToFile();
    if (failure != Failure::None) {
        Report(failure);
    }
    return failure == Failure::None;
}

}  // namespace quorvex
