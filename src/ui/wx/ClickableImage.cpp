#include "ui/wx/ClickableImage.h"

#include <wx/dcclient.h>

namespace quorvex {

ClickableImage::ClickableImage(wxWindow* parent, const wxPoint& position, const wxBitmap& bitmap)
    : wxWindow(parent, wxID_ANY, position, bitmap.IsOk() ? bitmap.GetSize() : wxSize(1, 1),
               wxBORDER_NONE),
      bitmap_(bitmap) {
    SetCursor(wxCursor(wxCURSOR_HAND));
    Bind(wxEVT_PAINT, &ClickableImage::OnPaint, this);
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
        if (action_) {
            action_();
        }
    });
}

void ClickableImage::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (bitmap_.IsOk()) {
        dc.DrawBitmap(bitmap_, 0, 0);
    }
}

}  // namespace quorvex
