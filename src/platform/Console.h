#pragma once

#include <cstdio>

namespace quorvex {

// True when the stream is a terminal a person can type into.
bool IsTerminal(std::FILE* stream);

// Lets go of a console that exists for this program alone, as when a program file was
// started from the desktop: the window needs no empty console beside it. A console shared
// with the shell that started the program stays.
void ReleaseOwnConsole();

}  // namespace quorvex
