#include <cctype>
#include <string_view>

#include "platform/Download.h"

namespace quorvex {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The host of "scheme://user@host:port/path", without brackets; empty when there is none.
std::string_view HostOf(std::string_view address) {
    const std::size_t start = address.find("://");
    if (start == std::string_view::npos) {
        return {};
    }
    std::string_view authority = address.substr(start + 3);
    authority = authority.substr(0, authority.find_first_of("/?#\\"));
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority = authority.substr(at + 1);
    }
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        return close == std::string_view::npos ? std::string_view()
                                               : authority.substr(1, close - 1);
    }
    return authority.substr(0, authority.find(':'));
}

// Four decimal parts of at most three digits, each up to 255, the first 127. Other
// spellings that resolvers accept ("127.1", hexadecimal) are not taken.
bool IsLoopbackIPv4(std::string_view host) {
    int parts = 0;
    while (parts < 4) {
        std::size_t digits = 0;
        int value = 0;
        while (digits < host.size() && digits < 4 &&
               std::isdigit(static_cast<unsigned char>(host[digits]))) {
            value = value * 10 + (host[digits] - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255 || (parts == 0 && value != 127)) {
            return false;
        }
        host.remove_prefix(digits);
        ++parts;
        if (parts < 4) {
            if (host.empty() || host.front() != '.') {
                return false;
            }
            host.remove_prefix(1);
        }
    }
    return host.empty();
}

}  // namespace

bool IsLoopbackAddress(const std::string& address) {
    const std::string_view host = HostOf(address);
    return host == "::1" || IsLoopbackIPv4(host) ||
           (host.size() == 9 && StartsWithNoCase(host, "localhost"));
}

bool IsPermittedDownloadAddress(const std::string& address) {
    if (StartsWithNoCase(address, "https://")) {
        return !HostOf(address).empty();
    }
    return StartsWithNoCase(address, "http://") && IsLoopbackAddress(address);
}

}  // namespace quorvex
