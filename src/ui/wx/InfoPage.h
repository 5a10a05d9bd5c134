#pragma once

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include "ui/wx/WindowContext.h"

namespace quorvex {

// Page "- Info über -": the help text and the licence, homepage and forum buttons.
class InfoPage : public wxPanel {
  public:
    InfoPage(wxWindow* parent, WindowContext& context);

    wxTextCtrl* Text() { return text_; }
    wxButton* LicenceButton() { return licence_; }
    wxButton* HomepageButton() { return homepage_; }
    wxButton* ForumButton() { return forum_; }

  private:
    void OnLicence();

    WindowContext& context_;
    wxTextCtrl* text_;
    wxButton* licence_;
    wxButton* homepage_;
    wxButton* forum_;
};

// Opens the maker's web site, as "Homepage" and the logo do.
void OpenWebSite(WindowContext& context);

}  // namespace quorvex
