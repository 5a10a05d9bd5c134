#include "platform/Clock.h"

namespace quorvex {

Ticks SystemClock::TicksNow() {
    return TickCount();
}

DateValue SystemClock::DateNow() {
    return CurrentDateValue();
}

void SystemClock::Wait(int milliseconds) {
    SleepMilliseconds(milliseconds);
}

}  // namespace quorvex
