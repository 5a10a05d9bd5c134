#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// Case folding of UTF-8 text for A-Z and the Latin-1 letters: the capitals U+00C0-U+00DE
// (U+00D7 is a sign) and the small letters U+00E0-U+00FE (U+00F7 is a sign). Every other
// character, and bytes that are not UTF-8, stay as they are; the byte length never changes.

// Capitals lowered.
std::string LowerCaseLatin1(std::string_view text);

// Small letters raised.
std::string UpperCaseLatin1(std::string_view text);

// Byte-wise equality after LowerCaseLatin1 on both sides.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quorvex
