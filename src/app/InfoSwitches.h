#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quorvex {

// "--help" or "--version" as the first argument: prints the switch list or the version on
// out and returns true. Nothing else of the program runs then: no configuration, no
// instance lock, no window.
bool AnswerInfoSwitch(const std::vector<std::string>& arguments, std::FILE* out);

}  // namespace quorvex
