#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/stattext.h>

namespace quorvex {

class MainWindow;
class WxEventPump;

// The small window that holds a run: a clock of the pause and "Fortsetzen".
class PauseWindow : public wxDialog {
  public:
    explicit PauseWindow(MainWindow& owner);

    bool Resumed() const { return resumed_; }
    void ShowElapsed(int milliseconds);
    wxStaticText* Clock() { return clock_; }
    wxButton* ResumeButton() { return resume_; }

    static constexpr const char* kWindowName = "PauseWindow";

  private:
    wxStaticText* clock_;
    wxButton* resume_;
    bool resumed_ = false;
};

// Opens the pause window and returns when "Fortsetzen" has been clicked. Meanwhile every
// other event is dispatched and ignored, and the run buttons are disabled.
void HoldInPauseWindow(MainWindow& window, WxEventPump& pump);

}  // namespace quorvex
