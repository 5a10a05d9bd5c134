#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace quorvex {

// Tokens %yyyy %yy %mm %dd %hh %ii %ss in either case; anything else is copied.
std::string FormatDate(std::string_view mask, DateValue value);

// hh:mm:ss, with ".ms" (unpadded) only for durations below one second.
std::string FormatDuration(std::int32_t milliseconds);

// Rounded to a whole number with single-precision rounding, grouped with ".".
std::string FormatThousands(float value);

// Fits a path into maxLength characters: prefix, "..." for dropped folders, file part.
std::string ShortenPath(std::string_view path, int maxLength);

// Leading integer as a C decimal conversion reads it: blanks, sign, digits; 0 when none.
std::int32_t LeadingInteger(std::string_view text);

}  // namespace quorvex
