#include "ui/wx/WxEventPump.h"

#include <wx/app.h>
#include <wx/evtloop.h>

#include "ui/wx/PauseWindow.h"

namespace quorvex {

namespace {

// Bound the flush and the poll, so a source that is always ready cannot hold the program.
constexpr int kMaxFlushedEvents = 10000;
constexpr int kMaxPolledEvents = 100;

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
    if (!LookDue()) {
        return PumpEvent::None;
    }
    lastLook_ = TickCount();
    wxEventLoopBase* loop = ActiveLoop();
    if (loop == nullptr || !DispatchUntilRecorded(loop)) {
        return PumpEvent::None;
    }
    const PumpEvent event = window_.TakeRecorded();
    return event == PumpEvent::None ? PumpEvent::Other : event;
}

// All of what is pending, not one event: with looks this far apart, events that came
// meanwhile (mouse moves over the window) would otherwise pile up before an ESC.
bool WxEventPump::DispatchUntilRecorded(wxEventLoopBase* loop) {
    int dispatched = 0;
    while (dispatched < kMaxPolledEvents && !window_.Gate().HasRecorded() && loop->Pending()) {
        loop->Dispatch();
        ++dispatched;
    }
    return dispatched > 0;
}

bool WxEventPump::DispatchOne(int waitMilliseconds, const std::function<void()>& serve) {
    const auto served = [&serve]() {
        if (serve) {
            serve();
        }
    };
    wxEventLoopBase* loop = ActiveLoop();
    if (loop == nullptr) {
        served();
        return false;
    }
    if (loop->Pending()) {
        loop->Dispatch();
        served();
        return true;
    }
    IdleWork(loop);
    served();
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
    lastLook_ = TickCount();
    // What the handlers recorded meanwhile (ESC, "STOP!", the close box) stays for the
    // next poll: a key press must not vanish behind the repaints of a busy display.
}

void WxEventPump::FlushDisplay() {
    if (LookDue()) {
        FlushAll();
    }
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
