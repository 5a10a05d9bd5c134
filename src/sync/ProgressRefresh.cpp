#include "sync/ProgressRefresh.h"

#include "config/ProductInfo.h"
#include "platform/TextFormat.h"
#include "program/Program.h"

namespace quorvex {

ProgressRefresh::ProgressRefresh(Program& program, Intervals intervalsMs)
    : program_(program), intervals_{intervalsMs.status, intervalsMs.title, intervalsMs.tray} {
    Restart();
}

void ProgressRefresh::Restart() {
    ReadClock();
    start_ = now_;
    for (Ticks& last : last_) {
        last = now_;
    }
}

void ProgressRefresh::ReadClock() {
    now_ = program_.clock->TicksNow();
}

bool ProgressRefresh::Due(Kind kind) const {
    return TicksSince(last_[kind], now_) > intervals_[kind];
}

void ProgressRefresh::ShowDuration() {
    program_.display->SetStatusText(1, "Dauer: " + FormatDuration(TicksSince(start_, now_)));
}

void ProgressRefresh::ShowPercentInTitle(std::int64_t percent) {
    program_.display->SetWindowTitle(std::string(kProductTitle) + " - " + std::to_string(percent) +
                                     "%");
}

void ProgressRefresh::ShowPercentInTray(const std::string& activity, std::int64_t percent) {
    program_.display->SetTrayTooltip(std::string(kProductTitle) + " - " + activity + " " +
                                     std::to_string(percent) + "%");
}

}  // namespace quorvex
