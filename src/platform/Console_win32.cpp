#include <io.h>

#include "platform/Console.h"

namespace quorvex {

bool IsTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

}  // namespace quorvex
