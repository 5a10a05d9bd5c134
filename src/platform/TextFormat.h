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

// Whole numbers, exact, grouped with "." (1234567 gives 1.234.567).
std::string FormatThousands(std::int64_t value);
inline std::string FormatThousands(std::int32_t value) {
    return FormatThousands(std::int64_t{value});
}
// Quotients such as rates: rounded to a whole number as single precision holds it, grouped.
std::string FormatThousands(float value);

// value / divisor (divisor > 0) rounded to the nearest whole number, halves to even: the
// figure the kilobyte and megabyte texts have always shown.
std::int64_t RoundedQuotient(std::int64_t value, std::int64_t divisor);

// Fits a path into maxLength characters: prefix, "..." for dropped folders, file part.
std::string ShortenPath(std::string_view path, int maxLength);

// Leading integer as a C decimal conversion reads it: blanks, sign, digits; 0 when none.
// Values beyond the result type are held at its bounds.
std::int32_t LeadingInteger(std::string_view text);
std::int64_t LeadingInteger64(std::string_view text);

}  // namespace quorvex
