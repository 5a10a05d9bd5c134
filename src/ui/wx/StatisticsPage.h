#pragma once

#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <array>
#include <string>

#include "ui/wx/PacedWrites.h"

#include "program/SyncDisplay.h"

namespace quorvex {

// Page "4. Statistik": the nine count fields a run fills, each beside its caption.
class StatisticsPage : public wxPanel {
  public:
    explicit StatisticsPage(wxWindow* parent);

    // Paced: a run counts every file, and each redraw of a field costs more than copying
    // a small file. The text is converted only when it is shown.
    void SetField(StatField field, const std::string& text);
    // Shows every field's last value; captions of empty fields are greyed out.
    void RefreshLabels();

    wxTextCtrl* Field(StatField field) { return fields_[static_cast<std::size_t>(field)]; }
    wxStaticText* Caption(StatField field) { return captions_[static_cast<std::size_t>(field)]; }

  private:
    bool ShowWanted();

    std::array<wxStaticText*, kStatFieldCount> captions_{};
    std::array<wxTextCtrl*, kStatFieldCount> fields_{};
    std::array<std::string, kStatFieldCount> wanted_{};
    std::array<std::string, kStatFieldCount> shown_{};
    PacedWrites pacing_;
};

}  // namespace quorvex
