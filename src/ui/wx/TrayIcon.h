#pragma once

#include <wx/bmpbndl.h>
#include <wx/taskbar.h>

#include "ui/wx/HandlerGate.h"

namespace quorvex {

// The program's icon in the notification area. Its clicks reach a running job through the
// gate (left shows the window, right hides it); while the window is idle they do nothing.
class TrayIcon : public wxTaskBarIcon {
  public:
    explicit TrayIcon(HandlerGate& gate);

    // Whether the desktop has a notification area to take the icon.
    static bool TrayAvailable() { return wxTaskBarIcon::IsAvailable(); }

    // Adding while the icon shows keeps it and only sets the tooltip.
    void Add(const wxString& tooltip);
    // Only while the icon shows.
    void SetTooltip(const wxString& tooltip);
    void Remove();
    bool Shown() const { return shown_; }
    const wxString& Tooltip() const { return tooltip_; }

  private:
    void Place(const wxString& tooltip);

    wxBitmapBundle icon_;
    bool shown_ = false;
    wxString tooltip_;
};

}  // namespace quorvex
