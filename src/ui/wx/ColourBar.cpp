#include "ui/wx/ColourBar.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>

namespace quorvex {

ColourBar::ColourBar(wxWindow* parent, const wxPoint& position, const wxSize& size,
                     const wxColour& fill)
    : wxWindow(parent, wxID_ANY, parent->FromDIP(position), parent->FromDIP(size), wxBORDER_NONE),
      fill_(fill),
      pacing_(this, [this]() { return RefreshIfChanged(); }) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &ColourBar::OnPaint, this);
}

void ColourBar::SetPercent(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    pacing_.Request();
}

bool ColourBar::RefreshIfChanged() {
    if (drawnPercent_ == percent_) {
        return false;
    }
    drawnPercent_ = percent_;
    Refresh(false);
    return true;
}

void ColourBar::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.DrawRectangle(0, 0, size.x, size.y);
    const int gap = FromDIP(2);
    const int inner = size.x - 2 * gap;
    const int filled = inner * percent_ / 100;
    if (filled > 0) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(fill_));
        dc.DrawRectangle(gap, gap, filled, size.y - 2 * gap);
    }
}

}  // namespace quorvex
