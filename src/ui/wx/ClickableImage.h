#pragma once

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/window.h>

#include <functional>

namespace quorvex {

// A picture that reacts to a left click (the logo). Drawn by itself, because a native
// image control receives no mouse events on every platform.
class ClickableImage : public wxWindow {
  public:
    // The position in design pixels; the picture is scaled to the screen as the layout is.
    ClickableImage(wxWindow* parent, const wxPoint& position, const wxImage& image);

    void OnClick(std::function<void()> action) { action_ = std::move(action); }
    const wxBitmap& Bitmap() const { return bitmap_; }

  private:
    void OnPaint(wxPaintEvent& event);

    wxBitmap bitmap_;
    std::function<void()> action_;
};

}  // namespace quorvex
