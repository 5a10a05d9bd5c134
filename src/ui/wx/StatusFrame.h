#pragma once

#include <wx/stattext.h>
#include <wx/timer.h>

#include "ui/wx/ColourBar.h"

namespace quorvex {

// A captioned frame with one line of text and a coloured progress bar below it.
class StatusFrame {
  public:
    StatusFrame(wxWindow* parent, const char* caption, const char* barTooltip,
                const wxPoint& position, const wxSize& size, const wxColour& barColour);

    // A text that follows another within kTextInterval milliseconds shows when the
    // interval is over: a run names every file it copies, faster than anyone reads.
    void SetText(const wxString& text);
    // The text shown now.
    wxString Text() const { return text_->GetLabel(); }

    static constexpr int kTextInterval = 50;
    ColourBar* Bar() { return bar_; }

  private:
    void ShowWanted();

    wxStaticText* text_;
    ColourBar* bar_;
    wxString wanted_;
    wxTimer timer_;
};

}  // namespace quorvex
