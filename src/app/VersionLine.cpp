#include "app/VersionLine.h"

#include <algorithm>
#include <cstdio>

namespace quorvex {

namespace {

constexpr std::size_t kShownBytes = 64;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at the start of the text, 0 when there is
// none (a stray byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t CharacterLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    out += text;
}

}  // namespace

std::string DisplayableVersionLine(const std::string& line) {
    std::string shown;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t length = CharacterLength(line, at);
        if (at + std::max<std::size_t>(length, 1) > kShownBytes) {
            return shown + "...";
        }
        const auto lead = static_cast<unsigned char>(line[at]);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            AppendEscaped(shown, lead);
            ++at;
        } else {
            shown.append(line, at, length);
            at += length;
        }
    }
    return shown;
}

}  // namespace quorvex
