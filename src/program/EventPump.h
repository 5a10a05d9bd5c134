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

    // Takes at most one pending event, without waiting.
    virtual PumpEvent PollOne() = 0;
    // Dispatches every pending event and ignores what they were.
    virtual void FlushAll() = 0;
    // Holds the program in the pause window until "Fortsetzen" is clicked.
    virtual void HoldPause() = 0;
};

class NullEventPump : public EventPump {
  public:
    PumpEvent PollOne() override { return PumpEvent::None; }
    void FlushAll() override {}
    void HoldPause() override {}
};

}  // namespace quorvex
