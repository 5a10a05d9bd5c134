#include "ui/wx/WxUserDialogs.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

long IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return wxICON_ERROR;
        case MessageIcon::Information:
            return wxICON_INFORMATION;
        case MessageIcon::None:
            break;
    }
    return wxICON_NONE;
}

// A box without a caption of its own gets the system's default one.
wxString Caption(const std::string& title) {
    return title.empty() ? wxString("Fehler") : ToWx(title);
}

// The program's one-line input: 300 x 130, centred on the screen, the prompt, the field
// and "OK"; Enter confirms, ESC cancels.
class TextInputDialog : public wxDialog {
  public:
    TextInputDialog(wxWindow* parent, const wxString& title, const wxString& prompt,
                    const wxString& proposal)
        : wxDialog(parent, wxID_ANY, title) {
        SetClientSize(FromDIP(wxSize(300, 130)));
        new wxStaticText(this, wxID_ANY, prompt, FromDIP(wxPoint(10, 10)), FromDIP(wxSize(280, 40)),
                         wxST_NO_AUTORESIZE);
        field_ = new wxTextCtrl(this, wxID_ANY, proposal, FromDIP(wxPoint(10, 55)),
                                FromDIP(wxSize(280, 26)), wxTE_PROCESS_ENTER);
        auto* ok =
            new wxButton(this, wxID_OK, "OK", FromDIP(wxPoint(110, 92)), FromDIP(wxSize(80, 28)));
        ok->SetDefault();
        field_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { EndModal(wxID_OK); });
        // There is no cancel button to stand for: ESC closes the window as its close box
        // does, and neither may count as "OK".
        SetEscapeId(wxID_NONE);
        Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
            if (event.GetKeyCode() == WXK_ESCAPE) {
                Close();
            } else {
                event.Skip();
            }
        });
        field_->SetFocus();
        CentreOnScreen();
    }
    wxString Value() const { return field_->GetValue(); }

  private:
    wxTextCtrl* field_;
};

}  // namespace

// A box belongs to the window the user works in: while a window of its own (the job
// editor) holds the parent disabled, that window.
wxWindow* WxUserDialogs::Parent() const {
    if (parent_ == nullptr || parent_->IsEnabled()) {
        return parent_;
    }
    for (wxWindow* window : wxTopLevelWindows) {
        if (window != parent_ && window->IsShown() && window->IsEnabled() &&
            !wxPendingDelete.Member(window)) {
            return window;
        }
    }
    return parent_;
}

void WxUserDialogs::UseWindows(wxWindow* parent) {
    windows_ = true;
    parent_ = parent;
}

void WxUserDialogs::UseFallback() {
    windows_ = false;
    parent_ = nullptr;
}

void WxUserDialogs::ShowMessage(const std::string& text, const std::string& title,
                                MessageIcon icon) {
    if (!windows_) {
        fallback_.ShowMessage(text, title, icon);
        return;
    }
    wxMessageDialog dialog(Parent(), ToWx(text), Caption(title), wxOK | IconStyle(icon));
    dialog.ShowModal();
}

bool WxUserDialogs::AskYesNo(const std::string& text, const std::string& title,
                             PresetAnswer preset) {
    if (!windows_) {
        return fallback_.AskYesNo(text, title, preset);
    }
    const long noFirst = preset == PresetAnswer::No ? wxNO_DEFAULT : 0;
    wxMessageDialog dialog(Parent(), ToWx(text), Caption(title), wxYES_NO | wxICON_NONE | noFirst);
    dialog.SetYesNoLabels("&Ja", "&Nein");
    return dialog.ShowModal() == wxID_YES;
}

std::string WxUserDialogs::AskText(const std::string& title, const std::string& prompt,
                                   const std::string& proposal) {
    if (!windows_) {
        return fallback_.AskText(title, prompt, proposal);
    }
    TextInputDialog dialog(Parent(), ToWx(title), ToWx(prompt), ToWx(proposal));
    return dialog.ShowModal() == wxID_OK ? FromWx(dialog.Value()) : std::string();
}

}  // namespace quorvex
