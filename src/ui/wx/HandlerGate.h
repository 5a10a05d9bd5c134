#pragma once

#include <wx/window.h>

#include <functional>

#include "program/EventPump.h"

namespace quorvex {

// Decides when the main window's control handlers act. They act only while the window
// is idle: during a run (or any other work that pumps events itself) and while pending
// events are flushed, control events are dispatched but not acted on.
class HandlerGate {
  public:
    bool Open() const { return busyDepth_ == 0 && !flushing_; }
    bool Busy() const { return busyDepth_ > 0; }
    bool Flushing() const { return flushing_; }

    // A new piece of busy work starts with nothing recorded.
    void EnterBusy() {
        if (busyDepth_++ == 0) {
            recorded_ = PumpEvent::None;
        }
    }
    void LeaveBusy() { --busyDepth_; }
    void SetFlushing(bool flushing) { flushing_ = flushing; }

    // For handlers bound by hand: whether they may act now; if so the action is noted.
    bool Enter() {
        if (Open()) {
            handled_ = true;
            return true;
        }
        return false;
    }

    // What an event meant to the busy work (ESC, PAUSE, the run buttons, the close box).
    // Only recorded while busy; the latest one wins.
    void Record(PumpEvent event) {
        if (Busy()) {
            recorded_ = event;
        }
    }
    bool HasRecorded() const { return recorded_ != PumpEvent::None; }
    PumpEvent TakeRecorded() {
        const PumpEvent event = recorded_;
        recorded_ = PumpEvent::None;
        return event;
    }

    // Whether a control handler acted since the last call.
    bool TakeHandled() {
        const bool handled = handled_;
        handled_ = false;
        return handled;
    }

    // Binds a handler that runs only while the gate is open; otherwise the event goes on
    // to other handlers, such as the ones that record events for a running job.
    template <typename EventTag>
    void Bind(wxWindow* control, const EventTag& type,
              std::function<void(typename EventTag::EventClass&)> handler) {
        control->Bind(type, [this, handler](typename EventTag::EventClass& event) {
            if (Enter()) {
                handler(event);
            } else {
                event.Skip();
            }
        });
    }

  private:
    int busyDepth_ = 0;
    PumpEvent recorded_ = PumpEvent::None;
    bool flushing_ = false;
    bool handled_ = false;
};

// Marks the window busy for the lifetime of the object.
class BusyScope {
  public:
    explicit BusyScope(HandlerGate& gate) : gate_(gate) { gate_.EnterBusy(); }
    ~BusyScope() { gate_.LeaveBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    HandlerGate& gate_;
};

}  // namespace quorvex
