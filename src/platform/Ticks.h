#pragma once

#include <cstdint>

namespace quorvex {

// A millisecond counter that wraps after about 49.7 days; durations are unsigned
// differences of two readings, so a wrap does no harm.
using Ticks = std::uint32_t;

Ticks TickCount();

inline std::int32_t TicksSince(Ticks start, Ticks now) {
    return static_cast<std::int32_t>(static_cast<Ticks>(now - start));
}

void SleepMilliseconds(int milliseconds);

}  // namespace quorvex
