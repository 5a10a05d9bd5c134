#pragma once

#include <cstdint>

namespace quorvex {

// Whole seconds since 1970-01-01 00:00:00 counted in local wall-clock time: the
// calendar fields are encoded as if they were UTC, so formatting never shifts them.
using DateValue = std::int32_t;

struct DateFields {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsLeapYear(int year);

// -1 for a calendar date that does not exist or does not fit 32 bits.
DateValue MakeDateValue(const DateFields& fields);
DateFields SplitDateValue(DateValue value);

// The local clock now.
DateValue CurrentDateValue();

// File times are UTC seconds; the conversion applies the zone's offset of *now*
// (not the one in force at the file's date), in both directions.
DateValue FileTimeToDateValue(std::int64_t utcSeconds);
std::int64_t DateValueToFileTime(DateValue value);

// 0: the zone has no daylight saving time, 1: standard time now, 2: daylight saving time now.
int TimeZoneStateCode();

}  // namespace quorvex
