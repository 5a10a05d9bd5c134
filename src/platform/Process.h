#pragma once

#include <string>

namespace quorvex {

// Starts a program, or opens a document or web address with its associated program,
// without waiting. True when either way started.
bool RunExternal(const std::string& target);

}  // namespace quorvex
