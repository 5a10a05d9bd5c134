#pragma once

#include "program/EventPump.h"
#include "ui/wx/MainWindow.h"

namespace quorvex {

// Window events for the engine and the program's own loops: one pending event per call,
// and what the main window's handlers recorded about it.
class WxEventPump : public EventPump {
  public:
    explicit WxEventPump(MainWindow& window) : window_(window) {}

    PumpEvent PollOne() override;
    void FlushAll() override;
    void HoldPause() override;
    void WaitForEvent(int milliseconds) override;

    // Dispatches one pending event; without one the toolkit does its idle work (deferred
    // deletions, queued events) and then waits up to the given time for an event to
    // dispatch. True when an event was dispatched.
    bool DispatchOne(int waitMilliseconds = 0);

  private:
    MainWindow& window_;
};

}  // namespace quorvex
