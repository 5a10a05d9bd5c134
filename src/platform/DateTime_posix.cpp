#include <algorithm>
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

}  // namespace

DateValue CurrentDateValue() {
    const std::time_t now = std::time(nullptr);
    return static_cast<DateValue>(now) + OffsetAt(now);
}

DateValue FileTimeToDateValue(std::int64_t utcSeconds) {
    return std::clamp(utcSeconds, -kFileTimeLimit, kFileTimeLimit) + CurrentOffset();
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
