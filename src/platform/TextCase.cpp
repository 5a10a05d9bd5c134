#include "platform/TextCase.h"

namespace quorvex {

namespace {

unsigned char LowerByte(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 222)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

}  // namespace

std::string LowerCaseLatin1(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
    }
    return result;
}

std::string UpperCaseAnsi(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0) {
            c = static_cast<char>(byte - 0x20);
        }
    }
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerByte(static_cast<unsigned char>(a[i])) !=
            LowerByte(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvex
