#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include "ui/wx/WindowContext.h"

namespace quorvex {

// Page "3. Expertenmodus": comparison methods, space check, UTC correction, time
// tolerance, log folder and process priority.
class ExpertPage : public wxPanel {
  public:
    ExpertPage(wxWindow* parent, WindowContext& context);

    void Lock(bool locked);

    wxCheckBox* DateCheck() { return dateCheck_; }
    wxCheckBox* ExistCheck() { return existCheck_; }
    wxCheckBox* AttributeCheck() { return attributeCheck_; }
    wxCheckBox* SpaceCheck() { return spaceCheck_; }
    wxCheckBox* UtcCorrection() { return utcCorrection_; }
    wxTextCtrl* TimeDifference() { return timeDifference_; }
    wxTextCtrl* LogFolder() { return logFolder_; }
    wxButton* LogFolderButton() { return logFolderButton_; }
    wxChoice* Priority() { return priority_; }

  private:
    void BuildControls();
    void BindHandlers();
    void OnUtcCorrection();
    void OnLogFolderButton();
    void ShowLogFolderEnd();
    wxString LogFolderTip() const;
    void OnPriority();

    WindowContext& context_;
    wxCheckBox* dateCheck_;
    wxCheckBox* existCheck_;
    wxCheckBox* attributeCheck_;
    wxCheckBox* spaceCheck_;
    wxCheckBox* utcCorrection_;
    wxTextCtrl* timeDifference_;
    wxTextCtrl* logFolder_;
    wxButton* logFolderButton_;
    wxChoice* priority_;
};

}  // namespace quorvex
