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
    timer_.SetOwner(text_);
    text_->Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { ShowWanted(); }, timer_.GetId());
}

void StatusFrame::SetText(const wxString& text) {
    wanted_ = text;
    if (!timer_.IsRunning()) {
        ShowWanted();
    }
}

void StatusFrame::ShowWanted() {
    if (text_->GetLabel() != wanted_) {
        text_->SetLabel(wanted_);
        timer_.StartOnce(kTextInterval);
    }
}

}  // namespace quorvex
