#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/Settings.h"
#include "platform/Clock.h"
#include "report/LogSink.h"
#include "report/UserDialogs.h"

namespace quorvex {

// The one way the program records what it does: each line may go to the debug log
// (while DebugMode is on) and to the run log (while Logging is on), either buffered
// until the run ends or, in secure mode, appended to the file at once.
class RunLog : public LogSink {
  public:
    static constexpr const char* kDebugLogName = "Quorvex_DEBUG.log";

    // Settings are read at every call, so changes between runs take effect at once; so is
    // the clock pointer, so that the debug log's times come from whichever clock is current.
    RunLog(const Settings& settings, UserDialogs& dialogs, Clock* const& clock)
        : settings_(settings), dialogs_(dialogs), clock_(clock) {}

    void WriteLog(std::string_view text) override;
    // A debug trace: written only while DebugMode is on.
    void Debug(std::string_view text) override;
    // The operating system's words for the failure the line before names, as a debug
    // trace; nothing when it gave none.
    void DebugReason(std::string_view reason);

    // The current run's log file; empty until the first run, kept after it.
    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& Path() const { return path_; }

    // A fresh secure log file; an empty buffer.
    void BeginRunLog();
    // Puts the buffer in place of the run's file as a whole (buffered mode), so a failed
    // write leaves an earlier file as it was. False when the file could not be created or
    // written, in either mode; the user is told once: a message box in window mode, a
    // line on stderr (through the console dialogs) with the window hidden.
    bool EndRunLog();

    // The buffered lines, split at their line ends.
    std::vector<std::string> BufferedLines() const;

    // The debug log lies in the current folder unless told otherwise.
    void SetDebugLogPath(std::string path) { debugLogPath_ = std::move(path); }
    const std::string& DebugLogPath() const { return debugLogPath_; }

  private:
    enum class Failure { None, NotCreated, NotWritten };

    void AppendToFile(std::string_view text);
    Failure WriteBufferToFile() const;
    void Report(Failure failure) const;

    const Settings& settings_;
    UserDialogs& dialogs_;
    Clock* const& clock_;
    std::string path_;
    std::string debugLogPath_ = kDebugLogName;
    // Lines with their CR LF, packed into large blocks: a run over many files logs
    // hundreds of thousands of lines, and one allocation per line would double the memory.
    std::vector<std::string> buffer_;
    // The first failed append of the current run in secure mode.
    Failure appendFailure_ = Failure::None;
};

}  // namespace quorvex
