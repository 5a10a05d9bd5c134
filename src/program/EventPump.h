#pragma once

namespace quorvex {

// What one poll of the window events found. The pump has already dispatched the event,
// so windows repaint whatever the caller does with it.
enum class PumpEvent {
    None,            // nothing pending
    OtherWindow,     // an event of another window
    PauseKey,        // keyboard shortcut PAUSE (command 19)
    EscapeKey,       // keyboard shortcut ESC (command 27)
    RunButton,       // button 12: "START!" / "STOP!"
    PreviewButton,   // button 13: "Vorschau" / "Pause"
    TrayLeftClick,   // left click or left double click on the tray icon
    TrayRightClick,  // right click or right double click on the tray icon
    CloseRequest,    // the main window's close box
    Other,
};

// The engine takes window events only through this interface.
class EventPump {
  public:
    virtual ~EventPump() = default;

    // Takes at most one pending event, without waiting. A window may look for new events
    // only every few milliseconds and report None in between.
    virtual PumpEvent PollOne() = 0;
    // Dispatches every pending event and ignores what they were.
    virtual void FlushAll() = 0;
    // FlushAll after a batch of display updates; a window that flushed moments ago may
    // leave the events to its next flush or poll, so that a busy run repaints less often.
    virtual void FlushDisplay() { FlushAll(); }
    // Holds the program in the pause window until "Fortsetzen" is clicked.
    virtual void HoldPause() = 0;
    // Sleeps until an event comes or the time is up, so that an idle wait costs nothing.
    // An event that ends the wait may be dispatched already; what it meant stays for the
    // next PollOne.
    virtual void WaitForEvent(int milliseconds) = 0;
};

class NullEventPump : public EventPump {
  public:
    PumpEvent PollOne() override { return PumpEvent::None; }
    void FlushAll() override {}
    void HoldPause() override {}
    // Without a window nothing ever comes, and nothing waits for it.
    void WaitForEvent(int) override {}
};

}  // namespace quorvex
