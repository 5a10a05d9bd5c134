#include "ui/wx/FolderPicker.h"

#include "platform/FolderRoots.h"
#include "platform/Paths.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kInset = 10;
constexpr int kCaptionHeight = 22;
constexpr int kTreeHeight = 185;
constexpr int kFieldHeight = 20;
constexpr int kNewFolderWidth = 80;
constexpr int kNewFolderHeight = 15;

}  // namespace

FolderTree::FolderTree(wxWindow* parent, const wxPoint& position, const wxSize& size) {
    Create(parent, wxID_ANY, wxString(), position, size, wxDIRCTRL_DIR_ONLY);
}

// The toolkit's own sections carry English names and a desktop folder that may not exist.
void FolderTree::SetupSections() {
    for (const FolderRoot& root : FolderTreeRoots()) {
        if (root.kind == FolderRootKind::PersonalFolder) {
            AddSection(ToWx(root.path), wxString::FromUTF8("Persönlicher Ordner"),
                       wxFileIconsTable::folder);
        } else {
            AddSection(ToWx(root.path), ToWx(root.path), wxFileIconsTable::computer);
        }
    }
}

// Only the current folder is emptied: emptying its ancestors as well drops the rows at
// the top of the tree too, and a native tree control has been seen to crash on that.
void FolderTree::ForgetCurrentFolder() {
    const wxTreeItemId current = GetTreeCtrl()->GetSelection();
    if (current.IsOk()) {
        CollapseDir(current);
    }
}

FolderPicker::FolderPicker(wxWindow* parent, const FolderPickerTexts& texts,
                           const wxFont& captionFont, const wxPoint& corner, const wxSize& size,
                           const std::string& folder) {
    frame_ = new wxStaticBox(parent, wxID_ANY, ToWx(texts.caption), parent->FromDIP(corner),
                             parent->FromDIP(size));
    frame_->SetFont(captionFont);
    newFolder_ = new wxButton(
        parent, wxID_ANY, "Neuer Ordner",
        parent->FromDIP(wxPoint(corner.x + size.x - kNewFolderWidth - kInset, corner.y)),
        parent->FromDIP(wxSize(kNewFolderWidth, kNewFolderHeight)), wxBORDER_NONE);
    SetTip(newFolder_, texts.newFolderTip);

    const int width = size.x - 2 * kInset;
    const wxPoint treeCorner = corner + wxPoint(kInset, kCaptionHeight);
    tree_ = new FolderTree(parent, parent->FromDIP(treeCorner),
                           parent->FromDIP(wxSize(width, kTreeHeight)));
    // The tree draws its items in a font of its own, which it replaces only by a font that
    // differs from the window font it inherited; so it gets another one first.
    wxTreeCtrl* items = tree_->GetTreeCtrl();
    items->SetFont(parent->GetFont().Bold());
    items->SetFont(parent->GetFont());
    SetTip(tree_, texts.treeTip);
    SetTip(items, texts.treeTip);
    field_ = new wxTextCtrl(parent, wxID_ANY, wxString(),
                            parent->FromDIP(treeCorner + wxPoint(0, kTreeHeight + 4)),
                            parent->FromDIP(wxSize(width, kFieldHeight)));
    SetTip(field_, texts.fieldTip);

    // A folder the tree cannot reach (a drive not mounted, a hidden folder) stays in the
    // field as stored, so saving never swaps it for the parent the tree stopped at. A new
    // job starts with an empty field.
    if (!folder.empty()) {
        tree_->ExpandPath(ToWx(folder));
        const std::string reached = TreePath();
        field_->ChangeValue(ToWx(reached == WithTrailingSeparator(folder) ? reached : folder));
    }
    tree_->Bind(wxEVT_DIRCTRL_SELECTIONCHANGED, [this](wxTreeEvent& event) {
        event.Skip();
        OnTreeChanged();
    });
    field_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnFieldChanged(); });
}

std::string FolderPicker::Text() const {
    return FromWx(field_->GetValue());
}

std::string FolderPicker::TreePath() const {
    const wxString path = tree_->GetPath();
    return path.empty() ? std::string() : WithTrailingSeparator(FromWx(path));
}

int FolderPicker::FieldBottom() const {
    return field_->ToDIP(field_->GetPosition().y + field_->GetSize().y);
}

void FolderPicker::ShowNewFolder(const std::string& folder) {
    // The tree lists a folder once; the parent is reread so the new one appears.
    tree_->ForgetCurrentFolder();
    tree_->ExpandPath(ToWx(folder));
}

void FolderPicker::OnTreeChanged() {
    if (!followingField_) {
        field_->ChangeValue(ToWx(TreePath()));
    }
}

void FolderPicker::OnFieldChanged() {
    followingField_ = true;
    tree_->ExpandPath(field_->GetValue());
    followingField_ = false;
}

}  // namespace quorvex
