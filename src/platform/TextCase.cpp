#include "platform/TextCase.h"

namespace quorvex {

namespace {

// U+00C0-U+00FF are the two-byte sequences 0xC3 0x80-0xBF; a capital and its small
// letter differ by 0x20 in the second byte, as A-Z and a-z do. 0xC3 is never a
// continuation byte, so a byte after it is always the second byte of such a character.
constexpr unsigned char kLatin1Lead = 0xC3;
constexpr unsigned char kCaseDistance = 0x20;

bool IsCapitalTail(unsigned char c) {
    return c >= 0x80 && c <= 0x9E && c != 0x97;
}

bool IsSmallTail(unsigned char c) {
    return c >= 0xA0 && c <= 0xBE && c != 0xB7;
}

bool FollowsLatin1Lead(std::string_view text, std::size_t i) {
    return i > 0 && static_cast<unsigned char>(text[i - 1]) == kLatin1Lead;
}

unsigned char LowerAt(std::string_view text, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool capital = (c >= 'A' && c <= 'Z') || (FollowsLatin1Lead(text, i) && IsCapitalTail(c));
    return capital ? static_cast<unsigned char>(c + kCaseDistance) : c;
}

unsigned char UpperAt(std::string_view text, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool small = (c >= 'a' && c <= 'z') || (FollowsLatin1Lead(text, i) && IsSmallTail(c));
    return small ? static_cast<unsigned char>(c - kCaseDistance) : c;
}

}  // namespace

std::string LowerCaseLatin1(std::string_view text) {
    std::string result(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        result[i] = static_cast<char>(LowerAt(text, i));
    }
    return result;
}

std::string UpperCaseLatin1(std::string_view text) {
    std::string result(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        result[i] = static_cast<char>(UpperAt(text, i));
    }
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAt(a, i) != LowerAt(b, i)) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvex
