#include "app/PasswordRecord.h"

#include "platform/Linkage.h"

namespace quorvex {

namespace {

constexpr PasswordImage PlaceholderImage() {
    PasswordImage image{};
    for (std::size_t i = 0; i < sizeof kPasswordAnchor; ++i) {
        image.anchor[i] = kPasswordAnchor[i];
    }
    for (std::size_t i = 0; i < sizeof kPasswordPlaceholder; ++i) {
        image.record[i] = kPasswordPlaceholder[i];
    }
    return image;
}

// Volatile: the program must read what its file holds at run time, not the placeholder
// the compiler saw.
QUORVEX_KEEP const volatile PasswordImage kPasswordImage = PlaceholderImage();

}  // namespace

std::optional<std::string> ReadPasswordRecord() {
    char record[sizeof kPasswordImage.record];
    for (std::size_t i = 0; i < sizeof record; ++i) {
        record[i] = kPasswordImage.record[i];
    }
    if (std::string(record, kPasswordMarkerLength) != kPasswordMarker) {
        return std::nullopt;
    }
    std::string password;
    for (std::size_t i = kPasswordMarkerLength; i < sizeof record && record[i] != '\0'; ++i) {
        password += record[i];
    }
    return password;
}

}  // namespace quorvex
