#pragma once

#include <string>
#include <vector>

namespace quorvex {

// Starts a program, or opens a document or web address with its associated program,
// without waiting. True when either way started.
bool RunExternal(const std::string& target);

// Starts a program with its arguments, detached and without waiting. True when it started.
bool StartProgram(const std::vector<std::string>& command);

}  // namespace quorvex
