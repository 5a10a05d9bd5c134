#include "ui/wx/PacedWrites.h"

namespace quorvex {

PacedWrites::PacedWrites(wxEvtHandler* owner, std::function<bool()> write)
    : write_(std::move(write)), timer_(owner) {
    owner->Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { WriteNow(); }, timer_.GetId());
}

void PacedWrites::Request() {
    if (!timer_.IsRunning()) {
        WriteNow();
    }
}

void PacedWrites::WriteNow() {
    if (write_()) {
        timer_.StartOnce(kInterval);
    }
}

}  // namespace quorvex
