#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "platform/Process.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

// One argument as the C runtime of the started program splits it again: quotes round it,
// backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

bool StartCommandLine(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                        DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::wstring FolderPartOf(const std::wstring& target) {
    const std::size_t separator = target.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : target.substr(0, separator + 1);
}

}  // namespace

bool StartProgram(const std::vector<std::string>& command) {
    if (command.empty()) {
        return false;
    }
    std::wstring commandLine;
    for (const std::string& part : command) {
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(Widen(part));
    }
    return StartCommandLine(commandLine);
}

bool RunExternal(const std::string& target) {
    if (target.empty()) {
        return false;
    }
    const std::wstring wide = Widen(target);
    if (StartCommandLine(wide.front() == L'"' ? wide : L"\"" + wide + L"\"")) {
        return true;
    }
    const std::wstring folder = FolderPartOf(wide);
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr,
                      folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace quorvex
