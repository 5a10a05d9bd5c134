#include <windows.h>

#include <shellapi.h>

#include "platform/ProgramArguments.h"
#include "platform/WideText_win32.h"

namespace quorvex {

// argv holds the arguments in the ANSI code page, which cannot hold every name: the wide
// command line is split again instead.
std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(Narrow(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace quorvex
