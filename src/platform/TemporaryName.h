#pragma once

#include <string>

namespace quorvex {

// A fresh name for a NewFile's temporary file: ".quorvex-" and six random letters or
// digits, which IsTemporaryFileName recognises.
std::string NewTemporaryName();

}  // namespace quorvex
