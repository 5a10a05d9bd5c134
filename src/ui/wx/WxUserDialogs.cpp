#include "ui/wx/WxUserDialogs.h"

#include <wx/msgdlg.h>
#include <wx/textdlg.h>

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

}  // namespace

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
    wxMessageDialog dialog(parent_, ToWx(text), Caption(title), wxOK | IconStyle(icon));
    dialog.ShowModal();
}

bool WxUserDialogs::AskYesNo(const std::string& text, const std::string& title) {
    if (!windows_) {
        return fallback_.AskYesNo(text, title);
    }
    wxMessageDialog dialog(parent_, ToWx(text), Caption(title), wxYES_NO | wxICON_NONE);
    return dialog.ShowModal() == wxID_YES;
}

std::string WxUserDialogs::AskText(const std::string& title, const std::string& prompt,
                                   const std::string& proposal) {
    if (!windows_) {
        return fallback_.AskText(title, prompt, proposal);
    }
    wxTextEntryDialog dialog(parent_, ToWx(prompt), ToWx(title), ToWx(proposal));
    return dialog.ShowModal() == wxID_OK ? FromWx(dialog.GetValue()) : std::string();
}

}  // namespace quorvex
