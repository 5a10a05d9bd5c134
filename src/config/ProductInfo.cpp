#include "config/ProductInfo.h"

#include "platform/TextFormat.h"

namespace quorvex {

std::string MakerLine(DateValue now) {
    return std::string("(c) ") + kMakerName + FormatDate(" %yyyy", now);
}

std::string StatusBarAddress(int index) {
    const char* const addresses[kAddressFieldCount] = {kWebAddress, kForumAddress, kProductAddress};
    const std::string address = addresses[index];
    const std::size_t scheme = address.find("://");
    return scheme == std::string::npos ? address : address.substr(scheme + 3);
}

}  // namespace quorvex
