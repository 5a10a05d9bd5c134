#pragma once

#include <cstdint>

namespace quorvex {

// Whole seconds since 1970-01-01 00:00:00 counted in local wall-clock time: the
// calendar fields are encoded as if they were UTC, so formatting never shifts them.
// Negative before 1970.
using DateValue = std::int64_t;

struct DateFields {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsLeapYear(int year);

// -1 for a calendar date that does not exist or has a year below 1. (-1 is also the
// value of 1969-12-31 23:59:59, a date the program never builds from fields.)
DateValue MakeDateValue(const DateFields& fields);
// Exact for every value whose year fits an int.
DateFields SplitDateValue(DateValue value);

// The local clock now.
DateValue CurrentDateValue();

// File times are UTC seconds; the conversion applies the zone's offset of *now*
// (not the one in force at the file's date), in both directions. A file time more
// than kFileTimeLimit seconds (a billion years) away from 1970 is held at that bound,
// so every date read splits into fields and sums and differences never overflow.
constexpr std::int64_t kFileTimeLimit = std::int64_t{1} << 55;
DateValue FileTimeToDateValue(std::int64_t utcSeconds);
std::int64_t DateValueToFileTime(DateValue value);

// 0: the zone has no daylight saving time, 1: standard time now, 2: daylight saving time now.
int TimeZoneStateCode();

}  // namespace quorvex
