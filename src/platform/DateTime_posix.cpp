#include <ctime>

#include "platform/DateTime.h"

namespace quorvex {

namespace {

long OffsetAt(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local.tm_gmtoff;
}

long CurrentOffset() {
    return OffsetAt(std::time(nullptr));
}

DateValue ClampToDateValue(std::int64_t seconds) {
    if (seconds < INT32_MIN || seconds > INT32_MAX) {
        return -1;
    }
    return static_cast<DateValue>(seconds);
}

}  // namespace

DateValue CurrentDateValue() {
    const std::time_t now = std::time(nullptr);
    return ClampToDateValue(static_cast<std::int64_t>(now) + OffsetAt(now));
}

DateValue FileTimeToDateValue(std::int64_t utcSeconds) {
    return ClampToDateValue(utcSeconds + CurrentOffset());
}

std::int64_t DateValueToFileTime(DateValue value) {
    return static_cast<std::int64_t>(value) - CurrentOffset();
}

int TimeZoneStateCode() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::tm january{};
    january.tm_year = local.tm_year;
    january.tm_mday = 1;
    january.tm_isdst = -1;
    std::tm july = january;
    july.tm_mon = 6;
    const long januaryOffset = OffsetAt(std::mktime(&january));
    const long julyOffset = OffsetAt(std::mktime(&july));
    if (januaryOffset == julyOffset) {
        return 0;
    }
    return local.tm_isdst > 0 ? 2 : 1;
}

}  // namespace quorvex
