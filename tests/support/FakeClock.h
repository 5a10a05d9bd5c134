#pragma once

#include "platform/Clock.h"

namespace quorvex::test {

// Time that passes only when told: set or advance it, or let every reading of the tick
// count move it on by a step, so that throttles fire at known entries. Waiting advances
// at once and never sleeps. By default each reading is a millisecond later than the one
// before, so that a loop waiting for the next tick goes on.
class FakeClock : public Clock {
  public:
    Ticks TicksNow() override {
        const Ticks now = ticks;
        ticks += stepPerReading;
        return now;
    }
    DateValue DateNow() override { return date; }
    void Wait(int milliseconds) override { Advance(milliseconds); }

    void Advance(int milliseconds) {
        ticks += static_cast<Ticks>(milliseconds);
        subSecond_ += milliseconds;
        date += subSecond_ / 1000;
        subSecond_ %= 1000;
    }

    Ticks ticks = 0;
    Ticks stepPerReading = 1;
    DateValue date = MakeDateValue({2025, 6, 30, 12, 0, 0});

  private:
    int subSecond_ = 0;
};

}  // namespace quorvex::test
