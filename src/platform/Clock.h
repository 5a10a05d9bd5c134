#pragma once

#include "platform/DateTime.h"
#include "platform/Ticks.h"

namespace quorvex {

// Time as the program sees it: a millisecond counter for durations and throttles, the
// local date and time, and a pause. Tests put a fake in its place, so that nothing they
// check waits for real time to pass.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual Ticks TicksNow() = 0;
    virtual DateValue DateNow() = 0;
    virtual void Wait(int milliseconds) = 0;
};

class SystemClock : public Clock {
  public:
    Ticks TicksNow() override;
    DateValue DateNow() override;
    void Wait(int milliseconds) override;
};

}  // namespace quorvex
