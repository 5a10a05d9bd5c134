#pragma once

#include <string>

namespace quorvex {

// The update server's version line as a message may show it: at most 64 bytes of it
// (then "..."), control characters and bytes that are not UTF-8 written as "\xNN", so
// whatever the server sends cannot garble or hide the question.
std::string DisplayableVersionLine(const std::string& line);

}  // namespace quorvex
