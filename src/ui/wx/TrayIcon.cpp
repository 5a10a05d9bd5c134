#include "ui/wx/TrayIcon.h"

#include <wx/bitmap.h>

#include "ui/wx/JpegImage.h"

namespace quorvex {

TrayIcon::TrayIcon(HandlerGate& gate) : icon_(wxBitmap(IconImage())) {
    const auto record = [&gate](PumpEvent meaning) {
        return [&gate, meaning](wxTaskBarIconEvent&) { gate.Record(meaning); };
    };
    // GTK reports a click when the button goes down, other toolkits when it comes up or
    // as a double click; a click that arrives as several of these still counts once a poll,
    // as the latest recorded event wins.
    for (const auto& type :
         {wxEVT_TASKBAR_LEFT_DOWN, wxEVT_TASKBAR_LEFT_UP, wxEVT_TASKBAR_LEFT_DCLICK}) {
        Bind(type, record(PumpEvent::TrayLeftClick));
    }
    for (const auto& type :
         {wxEVT_TASKBAR_RIGHT_DOWN, wxEVT_TASKBAR_RIGHT_UP, wxEVT_TASKBAR_RIGHT_DCLICK}) {
        Bind(type, record(PumpEvent::TrayRightClick));
    }
}

void TrayIcon::Add(const wxString& tooltip) {
    // An icon that shows already (the one of -tray) stays, but takes the run's tooltip.
    if (!shown_ || tooltip != tooltip_) {
        Place(tooltip);
    }
}

void TrayIcon::SetTooltip(const wxString& tooltip) {
    if (shown_ && tooltip != tooltip_) {
        Place(tooltip);
    }
}

void TrayIcon::Remove() {
    if (shown_) {
        RemoveIcon();
        shown_ = false;
        tooltip_.clear();
    }
}

void TrayIcon::Place(const wxString& tooltip) {
    SetIcon(icon_, tooltip);
    shown_ = true;
    tooltip_ = tooltip;
}

}  // namespace quorvex
