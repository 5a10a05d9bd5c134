#pragma once

#include <string>

#include "platform/DateTime.h"

namespace quorvex {

inline constexpr const char* kProductTitle = "Quorvex v2.5";
inline constexpr const char* kProgramName = "Quorvex";
// The running version as the update check compares it, with its leading blank.
inline constexpr const char* kVersionText = " v2.5";

inline constexpr const char* kMakerName = "Quorvex-Team";
inline constexpr const char* kWebAddress = "https://www.quorvex.invalid";
inline constexpr const char* kForumAddress = "https://forum.quorvex.invalid";
inline constexpr const char* kProductAddress = "https://www.quorvex.invalid/sync";
inline constexpr const char* kEmailAddress = "info@quorvex.invalid";

// "(c) Quorvex-Team 2026": the maker with the current year, as headers show it.
std::string MakerLine(DateValue now);

// The status bar's fields 2 to 4 at rest: web site, forum and product site without
// "https://", short enough for their narrow fields.
constexpr int kFirstAddressField = 2;
constexpr int kAddressFieldCount = 3;
std::string StatusBarAddress(int index);

}  // namespace quorvex
