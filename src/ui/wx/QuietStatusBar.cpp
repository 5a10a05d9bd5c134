#include "ui/wx/QuietStatusBar.h"

namespace quorvex {

QuietStatusBar::QuietStatusBar(wxWindow* parent, wxWindowID id, long style, const wxString& name)
    : wxStatusBar(parent, id, style, name),
      pacing_(this, [this]() { return RefreshChangedFields(); }) {
    // Without a colour of its own the bar asks the toolkit's theme for the default one
    // at every repaint, which costs more than drawing the texts.
    SetOwnForegroundColour(GetForegroundColour());
}

void QuietStatusBar::DoUpdateStatusText(int field) {
    changedFields_ |= 1u << field;
    pacing_.Request();
}

bool QuietStatusBar::RefreshChangedFields() {
    if (changedFields_ == 0) {
        return false;
    }
    for (int field = 0; field < GetFieldsCount(); ++field) {
        wxRect rect;
        if ((changedFields_ & (1u << field)) != 0 && GetFieldRect(field, rect)) {
            RefreshRect(rect);
        }
    }
    changedFields_ = 0;
    return true;
}

}  // namespace quorvex
