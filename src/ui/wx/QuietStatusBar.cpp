#include "ui/wx/QuietStatusBar.h"

namespace quorvex {

QuietStatusBar::QuietStatusBar(wxWindow* parent, wxWindowID id, long style, const wxString& name)
    : wxStatusBar(parent, id, style, name) {
    // Without a colour of its own the bar asks the toolkit's theme for the default one
    // at every repaint, which costs more than drawing the texts.
    SetOwnForegroundColour(GetForegroundColour());
}

void QuietStatusBar::DoUpdateStatusText(int field) {
    wxRect rect;
    if (GetFieldRect(field, rect)) {
        RefreshRect(rect);
    }
}

}  // namespace quorvex
