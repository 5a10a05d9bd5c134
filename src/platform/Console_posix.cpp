#include <unistd.h>

#include "platform/Console.h"

namespace quorvex {

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

}  // namespace quorvex
