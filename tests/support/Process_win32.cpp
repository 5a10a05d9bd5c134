#include <windows.h>

#include <map>

#include "platform/WideText_win32.h"
#include "support/Process.h"

namespace quorvex::test {

namespace {

// One argument in double quotes, nothing escaped: the program reads a backslash as an
// ordinary character, so that a quoted folder may end in one, and no argument of a test
// holds a double quote.
std::wstring QuotedArgument(const std::wstring& argument) {
    return L"\"" + argument + L"\"";
}

std::wstring CommandLine(const std::vector<std::string>& command) {
    std::wstring line;
    for (const std::string& part : command) {
        line += (line.empty() ? L"" : L" ") + QuotedArgument(Widen(part));
    }
    return line;
}

// The inherited environment with the options' variables set (an empty value removes
// one), as the block CreateProcessW takes. Names are compared without case, as Windows
// does.
std::wstring EnvironmentBlock(const std::vector<std::string>& additions) {
    struct NoCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const {
            return _wcsicmp(a.c_str(), b.c_str()) < 0;
        }
    };
    std::map<std::wstring, std::wstring, NoCase> variables;
    wchar_t* inherited = GetEnvironmentStringsW();
    for (const wchar_t* entry = inherited; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring text(entry);
        const std::size_t equals = text.find(L'=', 1);
        variables[text.substr(0, equals)] =
            equals == std::wstring::npos ? L"" : text.substr(equals + 1);
    }
    FreeEnvironmentStringsW(inherited);
    for (const std::string& addition : additions) {
        const std::wstring text = Widen(addition);
        const std::size_t equals = text.find(L'=');
        variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    std::wstring block;
    for (const auto& [name, value] : variables) {
        if (!value.empty()) {
            block += name + L"=" + value + L'\0';
        }
    }
    return block + L'\0';
}

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD creation) {
    SECURITY_ATTRIBUTES inherit{static_cast<DWORD>(sizeof(SECURITY_ATTRIBUTES)), nullptr, TRUE};
    return CreateFileW(Widen(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Output written in text mode ends its lines with CR LF; tests compare lines ending "\n".
std::string WithUnixLineEnds(std::string text) {
    std::string::size_type at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos) {
        text.erase(at, 1);
    }
    return text;
}

}  // namespace

StartedProcess::StartedProcess(const std::vector<std::string>& command,
                               const ProcessOptions& options)
    : timeoutSeconds_(options.timeoutSeconds) {
    const std::string inPath = scratch_ / "stdin";
    WriteFile(inPath, options.input);
    const HANDLE in = InheritableFile(inPath, GENERIC_READ, OPEN_EXISTING);
    const HANDLE out = InheritableFile(scratch_ / "stdout", GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE err = InheritableFile(scratch_ / "stderr", GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::wstring line = CommandLine(command);
    std::wstring environment = EnvironmentBlock(options.environment);
    const std::wstring folder = Widen(options.workingFolder);
    PROCESS_INFORMATION started{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                       environment.data(), folder.empty() ? nullptr : folder.c_str(), &startup,
                       &started)) {
        CloseHandle(started.hThread);
        handle_ = reinterpret_cast<std::intptr_t>(started.hProcess);
        pid_ = static_cast<pid_t>(started.dwProcessId);
    }
    for (const HANDLE handle : {in, out, err}) {
        CloseHandle(handle);
    }
}

StartedProcess::~StartedProcess() {
    if (handle_ != 0) {
        const HANDLE process = reinterpret_cast<HANDLE>(handle_);
        TerminateProcess(process, 1);
        WaitForSingleObject(process, INFINITE);
        CloseHandle(process);
    }
}

ProcessResult StartedProcess::Wait() {
    ProcessResult result;
    if (handle_ == 0) {
        return result;
    }
    const HANDLE process = reinterpret_cast<HANDLE>(handle_);
    DWORD status = 0;
    if (WaitForSingleObject(process, static_cast<DWORD>(timeoutSeconds_) * 1000) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process, &status)) {
        result.exitStatus = static_cast<int>(status);
    } else {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, INFINITE);
    }
    CloseHandle(process);
    handle_ = 0;
    pid_ = -1;
    result.out = WithUnixLineEnds(ReadFile(scratch_ / "stdout"));
    result.err = WithUnixLineEnds(ReadFile(scratch_ / "stderr"));
    return result;
}

}  // namespace quorvex::test
