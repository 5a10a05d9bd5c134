#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// A-Z and the Latin-1 capitals 192-222 lowered by 0x20; other bytes stay.
std::string LowerCaseLatin1(std::string_view text);

// a-z and 0xE0-0xFF raised by 0x20; other bytes stay.
std::string UpperCaseAnsi(std::string_view text);

// Byte-wise equality after LowerCaseLatin1 on both sides.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quorvex
