#include <unistd.h>

#include "platform/Console.h"

namespace quorvex {

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

void ReleaseOwnConsole() {
    // A terminal is never opened for a program here; there is nothing of its own to leave.
}

}  // namespace quorvex
