#include "ui/wx/ChangeTreeView.h"

#include <wx/settings.h>
#include <wx/statbox.h>

#include <algorithm>

#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

ChangeTreeView::ChangeTreeView(wxWindow* parent, const wxPoint& framePosition,
                               const wxSize& frameSize) {
    new wxStaticBox(parent, wxID_ANY, ToWx("Änderungen"), parent->FromDIP(framePosition),
                    parent->FromDIP(frameSize));
    tree_ = new wxTreeCtrl(parent, wxID_ANY, parent->FromDIP(framePosition + wxPoint(10, 20)),
                           parent->FromDIP(wxSize(frameSize.x - 20, frameSize.y - 30)),
                           wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT);
    // A tree drawn by wx keeps its own default font when told about the font it already
    // inherited, so it is told about a different one first.
    tree_->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    tree_->SetFont(parent->GetFont());
    SetTip(tree_, "Die Liste zeigt, aus welchem Grund eine Datei kopiert wurde.");
    root_ = tree_->AddRoot(wxString());
}

void ChangeTreeView::Clear() {
    tree_->DeleteChildren(root_);
    lastParents_.fill(wxTreeItemId());
}

void ChangeTreeView::AddNode(int level, const wxString& text) {
    level = std::clamp(level, 0, 2);
    wxTreeItemId parent = root_;
    if (level > 0 && lastParents_[static_cast<std::size_t>(level - 1)].IsOk()) {
        parent = lastParents_[static_cast<std::size_t>(level - 1)];
    }
    const wxTreeItemId item = tree_->AppendItem(parent, text);
    if (level < 2) {
        lastParents_[static_cast<std::size_t>(level)] = item;
    }
}

}  // namespace quorvex
