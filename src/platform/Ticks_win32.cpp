#include <windows.h>

#include "platform/Ticks.h"

namespace quorvex {

Ticks TickCount() {
    return static_cast<Ticks>(GetTickCount());
}

void SleepMilliseconds(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds));
}

}  // namespace quorvex
