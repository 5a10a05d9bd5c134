#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <vector>

#include "ui/wx/WindowContext.h"

namespace quorvex {

// Page "2. Optionen": logging, window behaviour, post-run actions, long-term mode,
// protected drives and the update check.
class OptionsPage : public wxPanel {
  public:
    OptionsPage(wxWindow* parent, WindowContext& context);

    void Lock(bool locked);

    wxCheckBox* Logging() { return logging_; }
    wxCheckBox* SecureLog() { return secureLog_; }
    wxCheckBox* HistoryLogs() { return historyLogs_; }
    wxCheckBox* Minimise() { return minimise_; }
    wxCheckBox* Tray() { return tray_; }
    wxCheckBox* AutoExit() { return autoExit_; }
    wxCheckBox* LockStation() { return lockStation_; }
    wxCheckBox* Shutdown() { return shutdown_; }
    wxCheckBox* LongTerm() { return longTerm_; }
    wxTextCtrl* Minutes() { return minutes_; }
    wxCheckBox* ProtectDrives() { return protectDrives_; }
    wxTextCtrl* Drives() { return drives_; }
    wxButton* DrivesButton() { return drivesButton_; }
    wxCheckBox* UpdateAtStart() { return updateAtStart_; }
    wxButton* UpdateButton() { return updateButton_; }

  private:
    void BuildControls();
    void BindHandlers();
    void OnLogging();
    void OnLongTerm();
    void OnMinutes();
    void OnProtectDrives();
    void OnDrivesButton();
    void OnUpdateButton();

    WindowContext& context_;
    wxCheckBox* logging_;
    wxCheckBox* secureLog_;
    wxCheckBox* historyLogs_;
    wxCheckBox* minimise_;
    wxCheckBox* tray_;
    wxCheckBox* autoExit_;
    wxCheckBox* lockStation_;
    wxCheckBox* shutdown_;
    wxCheckBox* longTerm_;
    wxTextCtrl* minutes_;
    wxCheckBox* protectDrives_;
    wxTextCtrl* drives_;
    wxButton* drivesButton_;
    wxCheckBox* updateAtStart_;
    wxButton* updateButton_;
};

}  // namespace quorvex
