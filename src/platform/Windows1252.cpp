#include "platform/Windows1252.h"

#include <cstdio>

namespace quorvex {

namespace {

// Windows-1252 bytes 0x80 to 0x9F and the characters they stand for (0 where there is
// none); the rest of the upper half is Latin-1.
constexpr char32_t kUpperControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(char32_t character, std::string& text) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

}  // namespace

std::optional<char32_t> NextUtf8Character(std::string_view text, std::size_t& position) {
    const auto lead = static_cast<unsigned char>(text[position++]);
    const int following = lead < 0x80    ? 0
                          : lead >= 0xF0 ? 3
                          : lead >= 0xE0 ? 2
                          : lead >= 0xC0 ? 1
                                         : -1;
    if (following < 0 || position + following > text.size()) {
        return std::nullopt;
    }
    char32_t character = following == 0 ? lead : lead & (0x3F >> following);
    for (int index = 0; index < following; ++index) {
        const auto next = static_cast<unsigned char>(text[position++]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        character = (character << 6) | (next & 0x3F);
    }
    return character;
}

std::optional<char> Windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    // The five bytes without a character of their own read as U+0081 and the like, and
    // must come back as the bytes they were.
    if (character >= 0x80 && character < 0xA0 && kUpperControls[character - 0x80] == 0) {
        return static_cast<char>(character);
    }
    for (int index = 0; index < 32; ++index) {
        if (kUpperControls[index] == character) {
            return static_cast<char>(0x80 + index);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ToWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t position = 0; position < utf8.size();) {
        const std::optional<char32_t> character = NextUtf8Character(utf8, position);
        const std::optional<char> byte = character ? Windows1252Byte(*character) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes += *byte;
    }
    return bytes;
}

std::string ToWindows1252Marked(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t position = 0; position < utf8.size();) {
        const char32_t character = NextUtf8Character(utf8, position).value_or(kReplacement);
        if (const std::optional<char> byte = Windows1252Byte(character)) {
            bytes += *byte;
        } else {
            char mark[16];
            std::snprintf(mark, sizeof mark, "[U+%04X]", static_cast<unsigned>(character));
            bytes += mark;
        }
    }
    return bytes;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const char32_t mapped = value >= 0x80 && value < 0xA0 ? kUpperControls[value - 0x80] : 0;
        AppendUtf8(mapped != 0 ? mapped : value, text);
    }
    return text;
}

}  // namespace quorvex
