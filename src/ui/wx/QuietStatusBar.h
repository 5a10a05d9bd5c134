#pragma once

#include <wx/statusbr.h>

#include "ui/wx/PacedWrites.h"

namespace quorvex {

// A status bar whose new texts are drawn at the pace of the other run displays. The
// toolkit's own bar repaints at once on every new text, which during a run costs more
// than the copying itself.
class QuietStatusBar : public wxStatusBar {
  public:
    QuietStatusBar(wxWindow* parent, wxWindowID id, long style, const wxString& name);

  protected:
    void DoUpdateStatusText(int field) override;

  private:
    bool RefreshChangedFields();

    unsigned changedFields_ = 0;
    PacedWrites pacing_;
};

}  // namespace quorvex
