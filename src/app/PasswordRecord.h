#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace quorvex {

// The program file can carry a password: at one place in its image, the bytes "Quorvex"
// followed by the password and a NUL. As built, the place holds a placeholder instead,
// so the program has no password. The anchor right before the record lets a tool find
// the record in a built program file, also after a password was written into it.
struct PasswordImage {
    char anchor[32];
    char record[64];
};

inline constexpr char kPasswordAnchor[sizeof(PasswordImage::anchor)] =
    "Quorvex password record follows";
// What the record holds as built: anything not starting with the marker means no password.
inline constexpr char kPasswordPlaceholder[] = "(kein Passwort)";
inline constexpr char kPasswordMarker[] = "Quorvex";
inline constexpr std::size_t kPasswordMarkerLength = sizeof kPasswordMarker - 1;
// Room for the password and its terminating NUL.
inline constexpr std::size_t kMaxPasswordLength =
    sizeof(PasswordImage::record) - kPasswordMarkerLength - 1;

// The password written into this program file, if any.
std::optional<std::string> ReadPasswordRecord();

}  // namespace quorvex
