#pragma once

#include <cstdint>
#include <string>

#include "platform/Ticks.h"

namespace quorvex {

struct Program;

// The throttled display refreshes of a phase that walks a long list: each kind comes at
// most once per its interval (counted from its last refresh), and "Dauer:" counts from
// the start. The phase reads the clock once per entry, so that every answer until the
// next reading refers to the same moment.
class ProgressRefresh {
  public:
    enum Kind { kStatus, kTitle, kTray, kKinds };
    struct Intervals {
        std::int32_t status;
        std::int32_t title;
        std::int32_t tray;
    };

    // Starts now.
    ProgressRefresh(Program& program, Intervals intervalsMs);

    // The duration and every interval begin again now.
    void Restart();
    void ReadClock();
    Ticks Now() const { return now_; }
    // More than the kind's interval has passed since it was last done.
    bool Due(Kind kind) const;
    void Done(Kind kind) { last_[kind] = now_; }

    // Status field 1.
    void ShowDuration();
    void ShowPercentInTitle(std::int64_t percent);
    // activity: "Vergleiche", "Kopiere".
    void ShowPercentInTray(const std::string& activity, std::int64_t percent);

  private:
    Program& program_;
    std::int32_t intervals_[kKinds];
    Ticks start_ = 0;
    Ticks now_ = 0;
    Ticks last_[kKinds] = {};
};

}  // namespace quorvex
