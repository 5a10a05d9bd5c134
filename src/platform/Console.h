#pragma once

#include <cstdio>

namespace quorvex {

// True when the stream is a terminal a person can type into.
bool IsTerminal(std::FILE* stream);

}  // namespace quorvex
