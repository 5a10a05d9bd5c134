#include <io.h>
#include <windows.h>

#include "platform/Console.h"

namespace quorvex {

bool IsTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

void ReleaseOwnConsole() {
    DWORD users[2];
    if (GetConsoleProcessList(users, 2) == 1) {
        FreeConsole();
    }
}

}  // namespace quorvex
