#include <windows.h>

#include "platform/ProgramArguments.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Blanks part the arguments, double quotes group them and are dropped. A backslash is an
// ordinary character: a quoted folder path ends in one ("-s "C:\Daten\""), as the batch
// export writes it, which the C runtime's rules would read as an escaped quote.
std::vector<std::wstring> SplitCommandLine(const wchar_t* line) {
    std::vector<std::wstring> parts;
    while (*line != L'\0') {
        while (IsBlank(*line)) {
            ++line;
        }
        if (*line == L'\0') {
            break;
        }
        std::wstring part;
        bool quoted = false;
        for (; *line != L'\0' && (quoted || !IsBlank(*line)); ++line) {
            if (*line == L'"') {
                quoted = !quoted;
            } else {
                part += *line;
            }
        }
        parts.push_back(part);
    }
    return parts;
}

}  // namespace

// argv holds the arguments in the ANSI code page, which cannot hold every name: the wide
// command line is split again instead. The first part is the program.
std::vector<std::string> ProgramArguments(int, char**) {
    const std::vector<std::wstring> parts = SplitCommandLine(GetCommandLineW());
    std::vector<std::string> arguments;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        arguments.push_back(Narrow(parts[i]));
    }
    return arguments;
}

}  // namespace quorvex
