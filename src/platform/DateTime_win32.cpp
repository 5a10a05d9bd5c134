#include <windows.h>

#include <algorithm>

#include "platform/DateTime.h"

namespace quorvex {

namespace {

// Seconds to add to UTC for local time now, daylight saving included when in force.
std::int64_t CurrentOffset() {
    TIME_ZONE_INFORMATION zone{};
    const DWORD state = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (state == TIME_ZONE_ID_DAYLIGHT) {
        bias += zone.DaylightBias;
    } else if (state == TIME_ZONE_ID_STANDARD) {
        bias += zone.StandardBias;
    }
    return -static_cast<std::int64_t>(bias) * 60;
}

}  // namespace

DateValue CurrentDateValue() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    DateFields fields;
    fields.year = now.wYear;
    fields.month = now.wMonth;
    fields.day = now.wDay;
    fields.hour = now.wHour;
    fields.minute = now.wMinute;
    fields.second = now.wSecond;
    return MakeDateValue(fields);
}

DateValue FileTimeToDateValue(std::int64_t utcSeconds) {
    return std::clamp(utcSeconds, -kFileTimeLimit, kFileTimeLimit) + CurrentOffset();
}

std::int64_t DateValueToFileTime(DateValue value) {
    return static_cast<std::int64_t>(value) - CurrentOffset();
}

int TimeZoneStateCode() {
    TIME_ZONE_INFORMATION zone{};
    switch (GetTimeZoneInformation(&zone)) {
        case TIME_ZONE_ID_STANDARD:
            return 1;
        case TIME_ZONE_ID_DAYLIGHT:
            return 2;
        default:
            return 0;
    }
}

}  // namespace quorvex
