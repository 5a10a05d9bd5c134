#include "platform/TextFormat.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

#include "platform/Paths.h"

namespace quorvex {

namespace {

bool MatchesToken(std::string_view mask, std::size_t pos, std::string_view token) {
    if (mask.size() - pos < token.size()) {
        return false;
    }
    for (std::size_t i = 0; i < token.size(); ++i) {
        char c = mask[pos + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != token[i]) {
            return false;
        }
    }
    return true;
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Splits UTF-8 text into characters; a stray continuation byte stays with its predecessor,
// so names in other encodings are still cut only between bytes, never lost.
std::vector<std::string_view> SplitCharacters(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || StartsCharacter(text[i])) {
            characters.push_back(text.substr(start, i - start));
            start = i;
        }
    }
    return characters;
}

// Counts as SplitCharacters splits, without building the pieces: a run names every file.
int CharacterCount(std::string_view text) {
    int count = text.empty() ? 0 : 1;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (StartsCharacter(text[i])) {
            ++count;
        }
    }
    return count;
}

std::string LastCharacters(std::string_view text, int count) {
    const std::vector<std::string_view> characters = SplitCharacters(text);
    std::string result;
    const int total = static_cast<int>(characters.size());
    for (int i = count < total ? total - count : 0; i < total; ++i) {
        result += characters[static_cast<std::size_t>(i)];
    }
    return result;
}

// Decimal digits, maybe after a "-", grouped by three from the right with ".".
std::string GroupThousands(std::string digits) {
    std::string sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    std::string tail;
    while (digits.size() > 3) {
        tail = "." + digits.substr(digits.size() - 3) + tail;
        digits.resize(digits.size() - 3);
    }
    return sign + digits + tail;
}

}  // namespace

std::string FormatDate(std::string_view mask, DateValue value) {
    const DateFields f = SplitDateValue(value);
    std::string out;
    std::size_t pos = 0;
    while (pos < mask.size()) {
        if (mask[pos] != '%') {
            out += mask[pos++];
        } else if (MatchesToken(mask, pos, "%yyyy")) {
            out += std::to_string(f.year);
            pos += 5;
        } else if (MatchesToken(mask, pos, "%yy")) {
            out += TwoDigits(f.year % 100);
            pos += 3;
        } else if (MatchesToken(mask, pos, "%mm")) {
            out += TwoDigits(f.month);
            pos += 3;
        } else if (MatchesToken(mask, pos, "%dd")) {
            out += TwoDigits(f.day);
            pos += 3;
        } else if (MatchesToken(mask, pos, "%hh")) {
            out += TwoDigits(f.hour);
            pos += 3;
        } else if (MatchesToken(mask, pos, "%ii")) {
            out += TwoDigits(f.minute);
            pos += 3;
        } else if (MatchesToken(mask, pos, "%ss")) {
            out += TwoDigits(f.second);
            pos += 3;
        } else {
            out += mask[pos++];
        }
    }
    return out;
}

std::string FormatDuration(std::int32_t milliseconds) {
    const std::int64_t total = milliseconds > 0 ? milliseconds : 0;
    const std::int64_t rest = total % 1000;
    const std::int64_t seconds = total / 1000;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(hours),
                  static_cast<long long>(minutes), static_cast<long long>(seconds % 60));
    std::string out = text;
    if (seconds == 0 && rest > 0) {
        out += "." + std::to_string(rest);
    }
    return out;
}

std::string FormatThousands(std::int64_t value) {
    return GroupThousands(std::to_string(value));
}

std::string FormatThousands(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
    return GroupThousands(text);
}

std::int64_t RoundedQuotient(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    std::int64_t rest = value % divisor;
    if (rest < 0) {
        rest += divisor;
        --quotient;
    }
    const std::int64_t twice = 2 * rest;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0)) {
        ++quotient;
    }
    return quotient;
}

std::string ShortenPath(std::string_view path, int maxLength) {
    if (CharacterCount(path) <= maxLength) {
        return std::string(path);
    }
    const char separator = kPathSeparator;
    std::string prefix;
    std::string_view rest;
    if (!path.empty() && path[0] == '/') {
        prefix = "/";
        rest = path.substr(1);
    } else if (path.find(':') != std::string_view::npos) {
        prefix = std::string(path.substr(0, 3));
        rest = path.substr(prefix.size());
    } else if (path.substr(0, 2) == "\\\\") {
        prefix = "\\\\";
        rest = path.substr(2);
    } else {
        return std::string();
    }
    const int prefixLength = CharacterCount(prefix);
    const std::size_t lastSeparator = rest.find_last_of("\\/");
    const std::string_view filePart =
        lastSeparator == std::string_view::npos ? rest : rest.substr(lastSeparator + 1);
    const std::string ellipsis = std::string("...") + separator;

    std::string tail;
    if (!filePart.empty()) {
        if (prefixLength + 4 + 1 + CharacterCount(filePart) < maxLength) {
            tail = std::string(filePart);
        } else {
            return prefix + ellipsis + "~" + LastCharacters(filePart, maxLength - prefixLength - 5);
        }
    }
    // Folder names of the rest, from the last to the first.
    std::size_t end = rest.size() - filePart.size();
    while (end > 0) {
        const std::size_t folderEnd = end - 1;  // position of the separator after the name
        const std::size_t previous =
            folderEnd == 0 ? std::string_view::npos : rest.rfind(separator, folderEnd - 1);
        const std::size_t nameStart = previous == std::string_view::npos ? 0 : previous + 1;
        const std::string_view name = rest.substr(nameStart, folderEnd - nameStart);
        if (prefixLength + CharacterCount(tail) + CharacterCount(name) + 4 + 1 < maxLength) {
            tail = std::string(name) + separator + tail;
        } else {
            tail = ellipsis + tail;
            break;
        }
        end = nameStart;
    }
    return prefix + tail;
}

std::int64_t LeadingInteger64(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Counted as a magnitude up to one past the largest value, the size of the smallest.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
    std::uint64_t magnitude = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        const std::uint64_t digit = static_cast<std::uint64_t>(text[pos] - '0');
        magnitude = magnitude > kLimit / 10 ? kLimit : std::min(kLimit, magnitude * 10 + digit);
        ++pos;
    }
    if (negative) {
        return magnitude == kLimit ? std::numeric_limits<std::int64_t>::min()
                                   : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(std::min(magnitude, kLimit - 1));
}

std::int32_t LeadingInteger(std::string_view text) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(LeadingInteger64(text), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

}  // namespace quorvex
