#include "ui/wx/StatusFrame.h"

#include <wx/statbox.h>

#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

StatusFrame::StatusFrame(wxWindow* parent, const char* caption, const char* barTooltip,
                         const wxPoint& position, const wxSize& size, const wxColour& barColour) {
    new wxStaticBox(parent, wxID_ANY, ToWx(caption), position, size);
    const int inset = 10;
    const int width = size.x - 2 * inset;
    text_ = new wxStaticText(parent, wxID_ANY, wxString(), position + wxPoint(inset, 20),
                             wxSize(width, 16), wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    bar_ = new ColourBar(parent, position + wxPoint(inset, 39), wxSize(width, 18), barColour);
    SetTip(bar_, barTooltip);
}

void StatusFrame::SetText(const wxString& text) {
    if (text_->GetLabel() != text) {
        text_->SetLabel(text);
    }
}

}  // namespace quorvex
