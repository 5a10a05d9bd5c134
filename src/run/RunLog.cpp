#include "run/RunLog.h"

#include <cstdio>

#include "platform/TextFile.h"
#include "platform/TextFormat.h"

namespace quorvex {

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
        buffer_.emplace_back(text);
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

bool RunLog::EndRunLog() {
    if (settings_.Logging != 1 || settings_.SecureLog == 1) {
        return true;
    }
    TextFile file;
    bool written = file.Open(path_, OpenMode::Create);
    if (written) {
        for (const std::string& line : buffer_) {
            file.WriteLine(line);
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
