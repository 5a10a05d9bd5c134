#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The program keeps its texts in UTF-8. Its own text files carry the platform's code page:
// UTF-8 on POSIX, Windows-1252 on Windows.

// A settings file's bytes, read back by the program. On Windows a file whose text does not
// fit Windows-1252 is kept in UTF-8 behind a byte-order mark, so every path comes back as
// it was saved.
std::string SettingsFileBytes(std::string_view text);

// Bytes of a log or another file written for a reader. On Windows a character outside
// Windows-1252 is written as "[U+XXXX]".
std::string ReaderFileBytes(std::string_view text);

// A text file's contents as the program's text; a UTF-8 byte-order mark is left in front.
std::string TextOfFileBytes(std::string_view bytes);

}  // namespace quorvex
