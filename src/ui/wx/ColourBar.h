#pragma once

#include <wx/window.h>

namespace quorvex {

// A smooth progress bar in a colour of its own, 0 to 100 percent.
class ColourBar : public wxWindow {
  public:
    // Position and size in design pixels.
    ColourBar(wxWindow* parent, const wxPoint& position, const wxSize& size, const wxColour& fill);

    void SetPercent(int percent);
    int Percent() const { return percent_; }

  private:
    void OnPaint(wxPaintEvent& event);

    wxColour fill_;
    int percent_ = 0;
};

}  // namespace quorvex
