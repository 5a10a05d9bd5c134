#pragma once

#include <string>

#include "platform/DateTime.h"

namespace quorvex {

inline constexpr const char* kLicenceFileName = "Quorvex_licence.txt";

// The licence the program carries, lines separated by CR LF, signed with the year of now.
std::string LicenceText(DateValue now);

// Writes the licence text and a closing CR LF to the file; false when it could not be
// created or written.
bool WriteLicenceFile(const std::string& path, DateValue now);

// What the user is told when the licence file cannot be created.
std::string LicenceFailureMessage();

}  // namespace quorvex
