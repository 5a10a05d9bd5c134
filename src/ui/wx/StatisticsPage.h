#pragma once

#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <array>

#include "program/SyncDisplay.h"

namespace quorvex {

// Page "4. Statistik": the nine count fields a run fills, each beside its caption.
class StatisticsPage : public wxPanel {
  public:
    explicit StatisticsPage(wxWindow* parent);

    void SetField(StatField field, const wxString& text);
    // Captions of empty fields are greyed out.
    void RefreshLabels();

    wxTextCtrl* Field(StatField field) { return fields_[static_cast<std::size_t>(field)]; }
    wxStaticText* Caption(StatField field) { return captions_[static_cast<std::size_t>(field)]; }

  private:
    std::array<wxStaticText*, kStatFieldCount> captions_{};
    std::array<wxTextCtrl*, kStatFieldCount> fields_{};
};

}  // namespace quorvex
