#pragma once

#include <wx/statusbr.h>

namespace quorvex {

// A status bar whose new texts wait for the next repaint. The toolkit's own bar repaints
// at once on every new text, which during a run costs more than the copying itself; the
// run's event flushes paint often enough for the texts to follow.
class QuietStatusBar : public wxStatusBar {
  public:
    QuietStatusBar(wxWindow* parent, wxWindowID id, long style, const wxString& name);

  protected:
    void DoUpdateStatusText(int field) override;
};

}  // namespace quorvex
