#pragma once

#include <string>
#include <vector>

namespace quorvex {

// The arguments the program was started with, program name left out, as UTF-8 texts.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace quorvex
