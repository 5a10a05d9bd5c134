#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// The next character of UTF-8 text, position moved past it; nothing for a broken sequence
// (position then moved past its bytes).
std::optional<char32_t> NextUtf8Character(std::string_view text, std::size_t& position);

// The Windows-1252 byte of a character; nothing when the code page has none. The five
// unused bytes stand for U+0081, U+008D, U+008F, U+0090 and U+009D, as Windows reads them.
std::optional<char> Windows1252Byte(char32_t character);

// UTF-8 text in Windows-1252; nothing when a character has no byte there or the text is
// not UTF-8.
std::optional<std::string> ToWindows1252(std::string_view utf8);

// UTF-8 text in Windows-1252 for a reader, not for the program: a character the code page
// lacks is written as "[U+" and its hexadecimal code point "]", so nothing is lost unseen.
std::string ToWindows1252Marked(std::string_view utf8);

// Windows-1252 text in UTF-8.
std::string FromWindows1252(std::string_view bytes);

}  // namespace quorvex
