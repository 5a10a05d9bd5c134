#include "ui/wx/ClickableImage.h"

#include <wx/dcclient.h>

namespace quorvex {

namespace {

// Scaled once here, smoothly, rather than stretched at every paint.
wxBitmap ForScreen(const wxWindow* parent, const wxImage& image) {
    if (!image.IsOk()) {
        return wxBitmap();
    }
    const wxSize size = parent->FromDIP(image.GetSize());
    if (size == image.GetSize()) {
        return wxBitmap(image);
    }
    return wxBitmap(image.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH));
}

}  // namespace

ClickableImage::ClickableImage(wxWindow* parent, const wxPoint& position, const wxImage& image)
    : wxWindow(parent, wxID_ANY, parent->FromDIP(position),
               parent->FromDIP(image.IsOk() ? image.GetSize() : wxSize(1, 1)), wxBORDER_NONE),
      bitmap_(ForScreen(parent, image)) {
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
