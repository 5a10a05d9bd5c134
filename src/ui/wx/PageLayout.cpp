#include "ui/wx/PageLayout.h"

#include "ui/wx/WxText.h"

namespace quorvex {

void SetTip(wxWindow* control, const char* tooltip) {
    if (tooltip != nullptr) {
        control->SetToolTip(ToWx(tooltip));
    }
}

wxCheckBox* MakeCheckBox(wxWindow* parent, const char* label, const char* tooltip, int x, int y,
                         int width, bool ticked) {
    auto* box = new wxCheckBox(parent, wxID_ANY, ToWx(label), parent->FromDIP(wxPoint(x, y)),
                               parent->FromDIP(wxSize(width, kRowHeight)));
    box->SetValue(ticked);
    SetTip(box, tooltip);
    return box;
}

wxButton* MakeButton(wxWindow* parent, const char* label, const char* tooltip, int x, int y,
                     int width, int height, wxWindowID id) {
    auto* button = new wxButton(parent, id, ToWx(label), parent->FromDIP(wxPoint(x, y)),
                                parent->FromDIP(wxSize(width, height)));
    SetTip(button, tooltip);
    return button;
}

wxStaticText* MakeLabel(wxWindow* parent, const char* label, int x, int y, int width) {
    // Labels sit on the text line of the field beside them.
    return new wxStaticText(parent, wxID_ANY, ToWx(label), parent->FromDIP(wxPoint(x, y + 3)),
                            parent->FromDIP(wxSize(width, kRowHeight - 3)), wxST_NO_AUTORESIZE);
}

wxTextCtrl* MakeField(wxWindow* parent, const std::string& text, const char* tooltip, int x, int y,
                      int width, long style) {
    auto* field = new wxTextCtrl(parent, wxID_ANY, ToWx(text), parent->FromDIP(wxPoint(x, y)),
                                 parent->FromDIP(wxSize(width, kRowHeight)), style);
    SetTip(field, tooltip);
    return field;
}

}  // namespace quorvex
