#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>

#include <string>

#include "ui/DriveChoice.h"

namespace quorvex {

class WxEventPump;

// The list of mounted drives with check boxes, to choose the protected ones.
class DrivesWindow : public wxDialog {
  public:
    DrivesWindow(const std::string& incoming, const wxFont& font);

    bool Built() const { return list_ != nullptr; }
    // Adds the drive's row and a dot to the title.
    void AddDrive(const MountEntry& drive);

    bool Done() const { return done_; }
    const std::string& Result() const { return result_; }

    wxListCtrl* List() { return list_; }
    wxButton* AllButton() { return all_; }
    wxButton* NoneButton() { return none_; }
    wxButton* LocalButton() { return local_; }
    wxButton* HardDisksButton() { return hardDisks_; }
    wxButton* NetworkButton() { return network_; }
    wxButton* AcceptButton() { return accept_; }

    static constexpr const char* kWindowName = "DrivesWindow";

  private:
    void BuildList();
    void BuildButtons();
    wxButton* AddRuleButton(const char* label, int left, int width, void (DriveChoice::*rule)());
    void ShowTicks();
    void OnRowChecked(long row);
    void OnMouseOverList(wxMouseEvent& event);
    void Finish(const std::string& result);

    DriveChoice choice_;
    wxListCtrl* list_ = nullptr;
    wxButton* all_ = nullptr;
    wxButton* none_ = nullptr;
    wxButton* local_ = nullptr;
    wxButton* hardDisks_ = nullptr;
    wxButton* network_ = nullptr;
    wxButton* accept_ = nullptr;
    bool done_ = false;
    std::string result_;
};

// Lists the drives into the window while it shows, then lets the user choose under the
// given title; returns the new protected drives when the window has been closed. The
// window writes in the given font, the one of the window it was opened from.
std::string ChooseProtectedDrives(WxEventPump& pump, const DriveLister& listDrives,
                                  const std::string& title, const std::string& incoming,
                                  const wxFont& font);

}  // namespace quorvex
