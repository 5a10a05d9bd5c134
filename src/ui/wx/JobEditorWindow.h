#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>

#include "program/Program.h"
#include "ui/JobForm.h"
#include "ui/NewFolderRequest.h"
#include "ui/wx/FolderPicker.h"
#include "ui/wx/HandlerGate.h"
#include "ui/wx/WindowFonts.h"

namespace quorvex {

// The window in which the current job of the list is created or changed. It shows the
// job's values and, on "Job speichern", stores them once they pass the checks. It is
// done after a successful save, "Abbruch" or its close box; cancelling a job that was
// never saved removes it from the list.
class JobEditorWindow : public wxDialog {
  public:
    JobEditorWindow(Program& program, const WindowFonts& fonts, const std::string& title);
    // The controls go first: their handlers use the members.
    ~JobEditorWindow() override { DestroyChildren(); }

    // False when the window could not be built; it must then be destroyed unshown.
    bool Built() const { return saveButton_ != nullptr; }
    bool Done() const { return done_; }
    // Whether a control handler acted since the last call; flushing meanwhile queued
    // events is the caller's work.
    HandlerGate& Gate() { return gate_; }

    // The values the controls hold now.
    JobForm Form() const;

    FolderPicker& SourceSide() { return *source_; }
    FolderPicker& TargetSide() { return *target_; }
    wxCheckBox* SubDirs() { return subDirs_; }
    wxCheckBox* CompareContent() { return compare_; }
    wxRadioButton* CompareMethod(std::uint8_t method);
    wxCheckBox* TargetSubDirs() { return targetSubDirs_; }
    wxCheckBox* DeleteFiles() { return deleteFiles_; }
    wxRadioButton* AllFiles() { return allFiles_; }
    wxRadioButton* IncludeOnly() { return include_; }
    wxRadioButton* ExcludeListed() { return exclude_; }
    wxTextCtrl* IncludeField() { return includeField_; }
    wxTextCtrl* ExcludeField() { return excludeField_; }
    wxTextCtrl* TitleField() { return titleField_; }
    wxButton* CancelButton() { return cancelButton_; }
    wxButton* SaveButton() { return saveButton_; }

    static constexpr const char* kWindowName = "JobEditorWindow";

  private:
    void BuildFolderColumns(const JobForm& form);
    void BuildExtensionFrame(const JobForm& form);
    void BuildTitleAndButtons(const JobForm& form);
    void BindHandlers();
    void ShowStates(const JobForm& form);
    void OnNewFolder(FolderPicker& side, FolderSide which);
    void OnSave();
    void OnCancel();

    Program& program_;
    const WindowFonts& fonts_;
    HandlerGate gate_;
    // What the job held when the window opened; the content comparison's default needs it.
    std::uint8_t storedFileCheckSum_ = 0;
    bool done_ = false;

    std::unique_ptr<FolderPicker> source_;
    std::unique_ptr<FolderPicker> target_;
    wxCheckBox* subDirs_ = nullptr;
    wxCheckBox* compare_ = nullptr;
    wxRadioButton* qsm_ = nullptr;
    wxRadioButton* crc_ = nullptr;
    wxRadioButton* md5_ = nullptr;
    wxCheckBox* targetSubDirs_ = nullptr;
    wxCheckBox* deleteFiles_ = nullptr;
    wxRadioButton* allFiles_ = nullptr;
    wxRadioButton* include_ = nullptr;
    wxRadioButton* exclude_ = nullptr;
    wxTextCtrl* includeField_ = nullptr;
    wxTextCtrl* excludeField_ = nullptr;
    wxTextCtrl* titleField_ = nullptr;
    wxButton* cancelButton_ = nullptr;
    wxButton* saveButton_ = nullptr;
};

}  // namespace quorvex
