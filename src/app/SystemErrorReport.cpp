#include "app/SystemErrorReport.h"

#include <cstring>

#include "platform/CrashHandler.h"
#include "program/Program.h"

namespace quorvex {

namespace {

struct ErrorDescription {
    std::uint32_t code;
    const char* text;
};

constexpr ErrorDescription kErrorTexts[] = {
    {0, "No Error"},
    {0x80000003, "BREAKPOINT A breakpoint was encountered."},
    {0x80000004,
     "SINGLE_STEP The CPU has signalled that one instruction has been executed.Only of "
     "interest to Debuggers"},
    {0xC0000005,
     "An attemped read or write to/from an address to which that process isn't allowed"},
    {0xC0000008,
     "INVALID_HANDLE The API call was passed a handle to a kernel object which was invalid "
     "-usually because that handle has already been closed."},
    {0xC000001D, "Try to execute an invalid instruction -such as MMX opcodes on a non MMX system"},
    {0xC0000025,
     "The exception filter returned EXCEPTION_CONTINUE_EXCEPTION when the exception raised "
     "isn't restartable"},
    {0xC0000026,
     "INVALID_DISPOSITION Whatever number the exception filter returned, it wasn't a value "
     "the OS knows about."},
    {0xC000008D,
     "FLOAT_DENORMAL_OPERAND One of the operands in a floating-point operation is too small "
     "to be represented in a floating-point value."},
    {0xC000008E, "FLOAT_DIVIDE_BY_ZERO The thread tried to divide a floating-point value by zero."},
    {0xC000008F,
     "FLOAT_INEXACT_RESULT The accuracy of the last floating point operation is worse than "
     "usual as it is impossible to represent in the float accurately,"},
    {0xC0000090, "FLOAT_INVALID_OPERATION Any other floating-point exception."},
    {0xC0000091, "FLOAT_OVERFLOW The result was too big to represent"},
    {0xC0000092,
     "FLOAT_STACK_CHECK A floating point stack overflowed or underflow. This related to the "
     "baroque design of the floating point unit."},
    {0xC0000093, "FLT_UNDERFLOW The result was too small to represent"},
    {0xC0000094, "Attempted division by zero"},
    {0xC0000096,
     "The instruction is not allowed in the current ring (inport, outport & control register "
     "manipulation usually)"},
    {0xC00000FD,
     "Stack overflow.Can occur during errant recursion, or when a function creates a "
     "particularly large array on the stack."},
    {0xC000013A, "CONTROL_C_EXIT Lets the debugger know the user hit Ctrl-C. "},
    {0xC0000142, "EXCEPTION_DLL_Initialisation_Failure raised when DllMain() returns false (?)"},
};

constexpr int kSecondsPerDay = 24 * 60 * 60;

}  // namespace

const char* ErrorText(std::uint32_t code) {
    for (const ErrorDescription& entry : kErrorTexts) {
        if (entry.code == code) {
            return entry.text;
        }
    }
    return "UNKNOWN Error";
}

void ReportText::Append(std::string_view text) {
    const std::size_t room = kCapacity - size_;
    const std::size_t count = text.size() < room ? text.size() : room;
    std::memcpy(data_ + size_, text.data(), count);
    size_ += count;
}

void ReportText::AppendDecimal(std::int64_t value) {
    char digits[24];
    std::size_t count = 0;
    // Negative digits, so that the smallest value needs no special case.
    std::int64_t rest = value > 0 ? -value : value;
    do {
        digits[count++] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0) {
        Append("-");
    }
    while (count > 0) {
        Append(std::string_view(&digits[--count], 1));
    }
}

void ReportText::AppendTwoDigits(int value) {
    const char digits[2] = {static_cast<char>('0' + value / 10 % 10),
                            static_cast<char>('0' + value % 10)};
    Append(std::string_view(digits, 2));
}

ReportText SystemErrorMessage(std::uint32_t code, std::intptr_t address) {
    ReportText message;
    message.Append("Fehler:\r");
    message.Append(ErrorText(code));
    message.Append("\r\rAdresse:");
    message.AppendDecimal(address);
    return message;
}

SystemErrorReport::SystemErrorReport(const Settings& settings, const RunLog& log)
    : settings_(settings), log_(log) {
    InstallFaultHandler(&SystemErrorReport::OnFault, this);
}

SystemErrorReport::~SystemErrorReport() {
    RemoveFaultHandler();
}

void SystemErrorReport::ShowAsWindowBy(const std::string& program) {
    asWindow_ = PrepareReportProgram(program);
}

void SystemErrorReport::OnFault(std::uint32_t code, std::intptr_t address, void* self) {
    const auto& report = *static_cast<const SystemErrorReport*>(self);
    if (IsOn(report.settings_.DebugMode)) {
        report.WriteDebugLine(ErrorText(code));
    }
    ReportText message = SystemErrorMessage(code, address);
    report.ShowMessage(message);
    if (report.asWindow_) {
        report.ShowWindow(message);
    }
    // Settings are not saved and a buffered run log is dropped: only what is on disk stays.
    EndProcessInHandler(kExitRunProblems);
}

// The same two steps as WriteLog, without allocating: the debug log with its time stamp,
// and a secure run log (a buffered one is never written after a fault).
void SystemErrorReport::WriteDebugLine(const char* text) const {
    const int secondOfDay =
        (LocalTimeInHandler() % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    ReportText line;
    line.Append("[");
    line.AppendTwoDigits(secondOfDay / 3600);
    line.Append(":");
    line.AppendTwoDigits(secondOfDay / 60 % 60);
    line.Append(":");
    line.AppendTwoDigits(secondOfDay % 60);
    line.Append("] ");
    const std::size_t stampLength = line.View().size();
    line.Append("SYSTEMFEHLER: ");
    line.Append(text);
    line.Append("\r\n");
    const std::string_view whole = line.View();
    AppendToFileInHandler(log_.DebugLogPath().c_str(), whole.data(), whole.size());
    if (IsOn(settings_.Logging) && IsOn(settings_.SecureLog) && !log_.Path().empty()) {
        const std::string_view unstamped = whole.substr(stampLength);
        AppendToFileInHandler(log_.Path().c_str(), unstamped.data(), unstamped.size());
    }
}

// Without a window the box goes to the error output, titled and with line breaks as a
// terminal shows them.
void SystemErrorReport::ShowMessage(const ReportText& message) const {
    ReportText output;
    output.Append(kSystemErrorTitle);
    output.Append(": ");
    for (const char c : message.View()) {
        output.Append(c == '\r' ? "\n" : std::string_view(&c, 1));
    }
    output.Append("\n");
    WriteToErrorOutputInHandler(output.View().data(), output.View().size());
}

// Returns only when the program could not be started.
void SystemErrorReport::ShowWindow(ReportText& message) const {
    const char* const arguments[] = {"quorvex", kSystemErrorWindowSwitch, message.Terminated(),
                                     nullptr};
    StartReportProgramInHandler(arguments);
}

}  // namespace quorvex
