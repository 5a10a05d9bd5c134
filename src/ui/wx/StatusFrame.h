#pragma once

#include <wx/stattext.h>

#include "ui/wx/ColourBar.h"

namespace quorvex {

// A captioned frame with one line of text and a coloured progress bar below it.
class StatusFrame {
  public:
    StatusFrame(wxWindow* parent, const char* caption, const char* barTooltip,
                const wxPoint& position, const wxSize& size, const wxColour& barColour);

    void SetText(const wxString& text);
    wxString Text() const { return text_->GetLabel(); }
    ColourBar* Bar() { return bar_; }

  private:
    wxStaticText* text_;
    ColourBar* bar_;
};

}  // namespace quorvex
