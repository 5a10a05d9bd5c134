#pragma once

#include <wx/treectrl.h>

#include <array>

namespace quorvex {

// The tree of changes in the widened window: jobs, reasons below them, files below those.
class ChangeTreeView {
  public:
    // Position and size in design pixels.
    ChangeTreeView(wxWindow* parent, const wxPoint& framePosition, const wxSize& frameSize);

    void Clear();
    // A node at level 0, 1 or 2, below the last node of the level above.
    void AddNode(int level, const wxString& text);
    wxTreeCtrl* Tree() { return tree_; }

  private:
    wxTreeCtrl* tree_;
    wxTreeItemId root_;
    std::array<wxTreeItemId, 2> lastParents_{};
};

}  // namespace quorvex
