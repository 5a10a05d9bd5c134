#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/Settings.h"
#include "program/RunLog.h"

namespace quorvex {

inline constexpr const char* kSystemErrorTitle = "Quorvex v2.5 -SYSTEMFEHLER";
// The hidden first argument of the program started after a fault to show the report as a
// window; the report text follows it.
inline constexpr const char* kSystemErrorWindowSwitch = "--show-system-error";

// The English description of an exception code; "UNKNOWN Error" for codes not known.
const char* ErrorText(std::uint32_t code);

// A text of fixed capacity that is filled without allocating memory, because the report
// is put together inside a signal handler. What does not fit is cut off.
class ReportText {
  public:
    void Append(std::string_view text);
    void AppendDecimal(std::int64_t value);
    void AppendTwoDigits(int value);
    std::string_view View() const { return std::string_view(data_, size_); }
    // The text with a terminating null character, as a program argument.
    const char* Terminated() {
        data_[size_] = '\0';
        return data_;
    }

  private:
    static constexpr std::size_t kCapacity = 768;
    char data_[kCapacity + 1];
    std::size_t size_ = 0;
};

// "Fehler:\r" + ErrorText + "\r\rAdresse:" + the address as a signed decimal number.
ReportText SystemErrorMessage(std::uint32_t code, std::intptr_t address);

// While it exists, a processor fault anywhere in the program ends it with a report: the
// "SYSTEMFEHLER: " debug line, the message on the error output, and an exit without
// saving anything. A secure run log keeps every line written before the fault.
class SystemErrorReport {
  public:
    SystemErrorReport(const Settings& settings, const RunLog& log);
    ~SystemErrorReport();
    SystemErrorReport(const SystemErrorReport&) = delete;
    SystemErrorReport& operator=(const SystemErrorReport&) = delete;

    // From now on the report is also a window: the fault starts program (this program's
    // file) with kSystemErrorWindowSwitch and the text in place of the faulting process.
    // Nothing else is safe inside a signal handler, and a toolkit in an unknown state
    // cannot be trusted to show a box.
    void ShowAsWindowBy(const std::string& program);

  private:
    static void OnFault(std::uint32_t code, std::intptr_t address, void* self);
    void WriteDebugLine(const char* text) const;
    void ShowMessage(const ReportText& message) const;
    void ShowWindow(ReportText& message) const;

    const Settings& settings_;
    const RunLog& log_;
    bool asWindow_ = false;
};

}  // namespace quorvex
