#pragma once

#include <functional>

#include "platform/Ticks.h"
#include "program/EventPump.h"
#include "ui/wx/MainWindow.h"

class wxEventLoopBase;

namespace quorvex {

// Window events for the engine and the program's own loops, and what the main window's
// handlers recorded about them. A run polls between any two files and flushes after its
// display updates; each of those repaints the window, so polls and display flushes look
// for events at most every kLookInterval milliseconds. Ten looks a second answer a key at
// once, and a run of small files spends little on repaints.
class WxEventPump : public EventPump {
  public:
    static constexpr int kLookInterval = 100;

    explicit WxEventPump(MainWindow& window) : window_(window) {}

    // Dispatches what is pending up to the first event the handlers record.
    PumpEvent PollOne() override;
    void FlushAll() override;
    void FlushDisplay() override;
    void HoldPause() override;
    void WaitForEvent(int milliseconds) override;

    // Dispatches one pending event; without one the toolkit does its idle work (deferred
    // deletions, queued events) and then waits up to the given time for an event to
    // dispatch. True when an event was dispatched. A window that serves another thread
    // passes serve, which runs after the dispatch or before the wait: that thread wakes
    // the wait with wxWakeUpIdle, and looking for pending events drops such a wake, so
    // the look comes before serve.
    bool DispatchOne(int waitMilliseconds = 0, const std::function<void()>& serve = {});

  private:
    bool LookDue() const { return TicksSince(lastLook_, TickCount()) >= kLookInterval; }
    bool DispatchUntilRecorded(wxEventLoopBase* loop);

    MainWindow& window_;
    Ticks lastLook_ = TickCount() - kLookInterval;
};

}  // namespace quorvex
