#include "ui/wx/WxEventPump.h"

#include <wx/app.h>
#include <wx/evtloop.h>

#include "ui/wx/PauseWindow.h"

namespace quorvex {

namespace {

// Bounds the flush, so a source that is always ready cannot hold the program.
constexpr int kMaxFlushedEvents = 10000;

wxEventLoopBase* ActiveLoop() {
    return wxEventLoopBase::GetActive();
}

void IdleWork(wxEventLoopBase* loop) {
    if (wxTheApp != nullptr) {
        wxTheApp->ProcessPendingEvents();
    }
    loop->ProcessIdle();
}

class FlushingScope {
  public:
    explicit FlushingScope(HandlerGate& gate) : gate_(gate), wasFlushing_(gate.Flushing()) {
        gate_.SetFlushing(true);
    }
    ~FlushingScope() { gate_.SetFlushing(wasFlushing_); }
    FlushingScope(const FlushingScope&) = delete;
    FlushingScope& operator=(const FlushingScope&) = delete;

  private:
    HandlerGate& gate_;
    bool wasFlushing_;
};

}  // namespace

PumpEvent WxEventPump::PollOne() {
    const PumpEvent kept = window_.TakeRecorded();
    if (kept != PumpEvent::None) {
        return kept;
    }
    wxEventLoopBase* loop = ActiveLoop();
    if (loop == nullptr || !loop->Pending()) {
        return PumpEvent::None;
    }
    loop->Dispatch();
    const PumpEvent event = window_.TakeRecorded();
    return event == PumpEvent::None ? PumpEvent::Other : event;
}

bool WxEventPump::DispatchOne(int waitMilliseconds) {
    wxEventLoopBase* loop = ActiveLoop();
    if (loop == nullptr) {
        return false;
    }
    if (loop->Pending()) {
        loop->Dispatch();
        return true;
    }
    IdleWork(loop);
    return waitMilliseconds > 0 &&
           loop->DispatchTimeout(static_cast<unsigned long>(waitMilliseconds)) > 0;
}

void WxEventPump::FlushAll() {
    wxEventLoopBase* loop = ActiveLoop();
    if (loop == nullptr) {
        return;
    }
    FlushingScope flushing(window_.Gate());
    int dispatched = 0;
    do {
        while (dispatched < kMaxFlushedEvents && loop->Pending()) {
            loop->Dispatch();
            ++dispatched;
        }
        IdleWork(loop);
    } while (dispatched < kMaxFlushedEvents && loop->Pending());
    // What the handlers recorded meanwhile (ESC, "STOP!", the close box) stays for the
    // next poll: a key press must not vanish behind the repaints of a busy display.
}

void WxEventPump::WaitForEvent(int milliseconds) {
    if (!window_.Gate().HasRecorded()) {
        DispatchOne(milliseconds);
    }
}

void WxEventPump::HoldPause() {
    HoldInPauseWindow(window_, *this);
}

}  // namespace quorvex
