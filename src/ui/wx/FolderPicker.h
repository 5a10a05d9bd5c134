#pragma once

#include <wx/button.h>
#include <wx/dirctrl.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include <string>

namespace quorvex {

// A folder tree of the personal folder and the whole file system, folders only.
class FolderTree : public wxGenericDirCtrl {
  public:
    FolderTree(wxWindow* parent, const wxPoint& position, const wxSize& size);
    void SetupSections() override;
    // Forgets what the current folder held, so its next expansion reads it again.
    void ForgetCurrentFolder();
};

// The texts of one side of the job editor.
struct FolderPickerTexts {
    const char* caption;
    const char* newFolderTip;
    const char* treeTip;
    const char* fieldTip;
};

// One side of the job editor: a captioned frame with "Neuer Ordner", a folder tree and
// the path field below it. The tree and the field follow each other: a folder chosen in
// the tree shows in the field, every change of the field moves the tree to that path.
class FolderPicker {
  public:
    // The frame's top left corner and size in design pixels; the tree opens at folder.
    FolderPicker(wxWindow* parent, const FolderPickerTexts& texts, const wxFont& captionFont,
                 const wxPoint& corner, const wxSize& size, const std::string& folder);

    // The field's text exactly as typed.
    std::string Text() const;
    // The tree's current folder, ending in the separator; empty when it has none.
    std::string TreePath() const;
    // Shows a folder made inside the tree's current folder: the tree rereads that folder
    // and moves to the new one, the field follows.
    void ShowNewFolder(const std::string& folder);
    // Where the controls below the path field start, in the parent's design pixels.
    int FieldBottom() const;

    wxStaticBox* Frame() { return frame_; }
    wxButton* NewFolderButton() { return newFolder_; }
    FolderTree* Tree() { return tree_; }
    wxTextCtrl* Field() { return field_; }

  private:
    void OnTreeChanged();
    void OnFieldChanged();

    wxStaticBox* frame_;
    wxButton* newFolder_;
    FolderTree* tree_;
    wxTextCtrl* field_;
    // Set while the tree moves because the field changed: the field keeps what was typed.
    bool followingField_ = false;
};

}  // namespace quorvex
