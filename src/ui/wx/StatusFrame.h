#pragma once

#include <wx/stattext.h>

#include <memory>
#include <string>

#include "ui/wx/ColourBar.h"
#include "ui/wx/PacedWrites.h"

namespace quorvex {

// A captioned frame with one line of text and a coloured progress bar below it.
class StatusFrame {
  public:
    // Position and size in design pixels.
    StatusFrame(wxWindow* parent, const char* caption, const char* barTooltip,
                const wxPoint& position, const wxSize& size, const wxColour& barColour);

    // Paced: a run names every file it copies, faster than anyone reads, so the text is
    // kept as given and converted only when it is shown.
    void SetText(const std::string& text);
    // The text shown now.
    wxString Text() const { return text_->GetLabel(); }

    ColourBar* Bar() { return bar_; }

  private:
    bool ShowWanted();

    wxStaticText* text_;
    ColourBar* bar_;
    std::string wanted_;
    std::string shown_;
    std::unique_ptr<PacedWrites> pacing_;
};

}  // namespace quorvex
