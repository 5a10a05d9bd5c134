#include <windows.h>

#include "platform/CrashHandler.h"

namespace quorvex {

namespace {

// Room on the stack that the system keeps for the filter after a stack overflow.
constexpr ULONG kOverflowReserve = 64 * 1024;
constexpr int kLongestPath = 1024;
constexpr int kLongestCommand = 8192;

// The filter belongs to the whole process and reaches its reporter only through static
// storage: this is the one place that keeps such state.
struct FaultState {
    FaultReporter reporter = nullptr;
    void* context = nullptr;
    LPTOP_LEVEL_EXCEPTION_FILTER previous = nullptr;
    bool installed = false;
    // The program a fault starts to show its report; empty when none was prepared.
    wchar_t reportProgram[kLongestPath] = {};
};

FaultState& State() {
    static FaultState state;
    return state;
}

// Only processor exceptions are reported; a C++ exception or a debugger's own codes
// are left to whoever handled them before.
bool IsProcessorFault(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_IN_PAGE_ERROR:
        case EXCEPTION_DATATYPE_MISALIGNMENT:
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        case EXCEPTION_BREAKPOINT:
        case EXCEPTION_SINGLE_STEP:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_PRIV_INSTRUCTION:
        case EXCEPTION_FLT_DENORMAL_OPERAND:
        case EXCEPTION_FLT_DIVIDE_BY_ZERO:
        case EXCEPTION_FLT_INEXACT_RESULT:
        case EXCEPTION_FLT_INVALID_OPERATION:
        case EXCEPTION_FLT_OVERFLOW:
        case EXCEPTION_FLT_STACK_CHECK:
        case EXCEPTION_FLT_UNDERFLOW:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_INT_OVERFLOW:
        case EXCEPTION_STACK_OVERFLOW:
            return true;
        default:
            return false;
    }
}

LONG WINAPI OnFault(EXCEPTION_POINTERS* pointers) {
    const FaultState& state = State();
    const EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    if (state.reporter == nullptr || !IsProcessorFault(record->ExceptionCode)) {
        return state.previous != nullptr ? state.previous(pointers) : EXCEPTION_CONTINUE_SEARCH;
    }
    state.reporter(static_cast<std::uint32_t>(record->ExceptionCode),
                   reinterpret_cast<std::intptr_t>(record->ExceptionAddress), state.context);
    EndProcessInHandler(static_cast<int>(record->ExceptionCode));
}

void WriteAll(HANDLE handle, const char* bytes, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        const DWORD part = size > 0x10000 ? 0x10000 : static_cast<DWORD>(size);
        if (!WriteFile(handle, bytes, part, &written, nullptr) || written == 0) {
            return;
        }
        bytes += written;
        size -= written;
    }
}

}  // namespace

bool InstallFaultHandler(FaultReporter reporter, void* context) {
    FaultState& state = State();
    RemoveFaultHandler();
    ULONG reserve = kOverflowReserve;
    SetThreadStackGuarantee(&reserve);
    state.reporter = reporter;
    state.context = context;
    state.previous = SetUnhandledExceptionFilter(OnFault);
    state.installed = true;
    return true;
}

void RemoveFaultHandler() {
    FaultState& state = State();
    if (!state.installed) {
        return;
    }
    SetUnhandledExceptionFilter(state.previous);
    state.previous = nullptr;
    state.reporter = nullptr;
    state.context = nullptr;
    state.installed = false;
}

void AppendToFileInHandler(const char* path, const char* bytes, std::size_t size) {
    wchar_t widePath[kLongestPath];
    if (MultiByteToWideChar(CP_UTF8, 0, path, -1, widePath, kLongestPath) == 0) {
        return;
    }
    const HANDLE file = CreateFileW(widePath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        WriteAll(file, bytes, size);
        CloseHandle(file);
    }
}

void WriteToErrorOutputInHandler(const char* bytes, std::size_t size) {
    WriteAll(GetStdHandle(STD_ERROR_HANDLE), bytes, size);
}

// GetLocalTime allocates nothing and takes no lock, so the ordinary reading serves.
DateValue LocalTimeInHandler() {
    return CurrentDateValue();
}

bool PrepareReportProgram(const std::string& path) {
    wchar_t* program = State().reportProgram;
    if (MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, program, kLongestPath) == 0) {
        program[0] = L'\0';
        return false;
    }
    if (GetFileAttributesW(program) == INVALID_FILE_ATTRIBUTES) {
        program[0] = L'\0';
        return false;
    }
    return true;
}

std::string OwnProgramFile() {
    wchar_t wide[kLongestPath];
    const DWORD length = GetModuleFileNameW(nullptr, wide, kLongestPath);
    char path[kLongestPath * 3];
    if (length == 0 || length >= kLongestPath ||
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, path, sizeof path, nullptr, nullptr) == 0) {
        return std::string();
    }
    return path;
}

namespace {

// Each argument in quotes; a quote inside one would end it early, so it becomes an
// apostrophe. False when the command does not fit.
bool BuildCommandLine(const char* const arguments[], wchar_t* command) {
    int used = 0;
    for (const char* const* argument = arguments; *argument != nullptr; ++argument) {
        static wchar_t wide[kLongestCommand];
        const int length = MultiByteToWideChar(CP_UTF8, 0, *argument, -1, wide, kLongestCommand);
        if (length == 0 || used + length + 3 >= kLongestCommand) {
            return false;
        }
        command[used++] = L'"';
        for (int i = 0; i + 1 < length; ++i) {
            command[used++] = wide[i] == L'"' ? L'\'' : wide[i];
        }
        command[used++] = L'"';
        command[used++] = L' ';
    }
    command[used] = L'\0';
    return true;
}

}  // namespace

// Windows cannot replace a process: the report program runs while this one waits for it,
// then this one ends with its status.
void StartReportProgramInHandler(const char* const arguments[]) {
    const wchar_t* program = State().reportProgram;
    static wchar_t command[kLongestCommand];
    if (program[0] == L'\0' || !BuildCommandLine(arguments, command)) {
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    EndProcessInHandler(static_cast<int>(status));
}

// Ends at once: nothing of the broken process runs any more, no library's exit code.
void EndProcessInHandler(int status) {
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    ExitProcess(static_cast<UINT>(status));
}

}  // namespace quorvex
