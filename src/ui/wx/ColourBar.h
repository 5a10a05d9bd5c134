#pragma once

#include <wx/window.h>

#include "ui/wx/PacedWrites.h"

namespace quorvex {

// A smooth progress bar in a colour of its own, 0 to 100 percent. It is drawn at the pace
// of the run's texts: a run of small files moves the file bar twice per file.
class ColourBar : public wxWindow {
  public:
    // Position and size in design pixels.
    ColourBar(wxWindow* parent, const wxPoint& position, const wxSize& size, const wxColour& fill);

    void SetPercent(int percent);
    int Percent() const { return percent_; }

  private:
    void OnPaint(wxPaintEvent& event);
    bool RefreshIfChanged();

    wxColour fill_;
    int percent_ = 0;
    int drawnPercent_ = 0;
    PacedWrites pacing_;
};

}  // namespace quorvex
