#include "ui/wx/StatusFrame.h"

#include <wx/statbox.h>

#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

StatusFrame::StatusFrame(wxWindow* parent, const char* caption, const char* barTooltip,
                         const wxPoint& position, const wxSize& size, const wxColour& barColour) {
    new wxStaticBox(parent, wxID_ANY, ToWx(caption), parent->FromDIP(position),
                    parent->FromDIP(size));
    const int inset = 10;
    const int width = size.x - 2 * inset;
    text_ = new wxStaticText(
        parent, wxID_ANY, wxString(), parent->FromDIP(position + wxPoint(inset, 20)),
        parent->FromDIP(wxSize(width, 16)), wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    bar_ = new ColourBar(parent, position + wxPoint(inset, 39), wxSize(width, 18), barColour);
    SetTip(bar_, barTooltip);
    pacing_ = std::make_unique<PacedWrites>(text_, [this]() { return ShowWanted(); });
}

void StatusFrame::SetText(const std::string& text) {
    wanted_ = text;
    pacing_->Request();
}

bool StatusFrame::ShowWanted() {
    if (shown_ == wanted_) {
        return false;
    }
    text_->SetLabel(ToWx(wanted_));
    shown_ = wanted_;
    return true;
}

}  // namespace quorvex
