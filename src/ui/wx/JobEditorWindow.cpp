#include "ui/wx/JobEditorWindow.h"

#include <wx/statbox.h>

#include "ui/JobEditor.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 520;
constexpr int kMargin = 15;
constexpr int kInset = 10;
constexpr int kColumnWidth = kClientWidth / 2 - 30;
constexpr int kRightColumn = kClientWidth / 2 + kMargin;
constexpr int kFullWidth = kClientWidth - 2 * kMargin;
constexpr int kFolderFrameTop = 8;
// The content comparisons take a row of their own below their box: beside it, at the
// width the toolkit's option buttons need, they would not fit into the column. The frames
// are one row higher for that.
constexpr int kFolderFrameHeight = 290 + kRowStep;
constexpr int kMethodWidth = 52;
constexpr int kMethodIndent = 20;
constexpr int kExtensionFrameTop = kFolderFrameTop + kFolderFrameHeight + 5;
constexpr int kExtensionFrameHeight = 95;
constexpr int kTitleFrameTop = kExtensionFrameTop + kExtensionFrameHeight + 4;
constexpr int kTitleFrameHeight = 50;
constexpr int kButtonTop = kTitleFrameTop + kTitleFrameHeight + 8;
constexpr int kButtonHeight = 30;
constexpr int kExtensionOptionWidth = 270;

const FolderPickerTexts kSourceTexts = {
    "1. Quelle wählen ", "Klicken Sie hier um im Quellverzeichnis einen neuen Ordner zu erstellen",
    "Wählen Sie hier das Quellverzeichnis aus",
    "Wählen Sie oben ein Quellverzeichnis (wird hier angezeigt), oder geben Sie das "
    "Verzeichnis ein"};

const FolderPickerTexts kTargetTexts = {
    "2. Ziel wählen ", "Klicken Sie hier um im Zielverzeichnis einen neuen Ordner zu erstellen",
    "Wählen Sie hier das Zielverzeichnis aus",
    "Wählen Sie oben ein Zielverzeichnis (wird hier angezeigt), oder geben Sie das Verzeichnis "
    "ein"};

wxRadioButton* MakeOption(wxWindow* parent, const char* label, const char* tooltip, int x, int y,
                          int width, long style = 0) {
    auto* option = new wxRadioButton(parent, wxID_ANY, ToWx(label), parent->FromDIP(wxPoint(x, y)),
                                     parent->FromDIP(wxSize(width, kRowHeight)), style);
    SetTip(option, tooltip);
    return option;
}

wxStaticBox* MakeFrame(wxWindow* parent, const char* caption, const wxFont& font, int x, int y,
                       int width, int height) {
    auto* frame = new wxStaticBox(parent, wxID_ANY, ToWx(caption), parent->FromDIP(wxPoint(x, y)),
                                  parent->FromDIP(wxSize(width, height)));
    frame->SetFont(font);
    return frame;
}

}  // namespace

JobEditorWindow::JobEditorWindow(Program& program, const WindowFonts& fonts,
                                 const std::string& title)
    : program_(program), fonts_(fonts) {
    const SyncJob* job = program_.jobs.Current();
    if (job == nullptr ||
        !Create(nullptr, wxID_ANY, ToWx(title), wxDefaultPosition, wxDefaultSize,
                wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxDIALOG_NO_PARENT, kWindowName)) {
        return;
    }
    storedFileCheckSum_ = job->FileCheckSum;
    SetFont(fonts_.normal);
    SetClientSize(FromDIP(wxSize(kClientWidth, kClientHeight)));
    const JobForm form = FormOfJob(*job);
    BuildFolderColumns(form);
    BuildExtensionFrame(form);
    BuildTitleAndButtons(form);
    ShowStates(form);
    BindHandlers();
    CentreOnScreen();
}

void JobEditorWindow::BuildFolderColumns(const JobForm& form) {
    const wxSize frameSize(kColumnWidth, kFolderFrameHeight);
    // Created column by column, so the keyboard walks through the source side first.
    source_ =
        std::make_unique<FolderPicker>(this, kSourceTexts, fonts_.caption,
                                       wxPoint(kMargin, kFolderFrameTop), frameSize, form.source);
    const int innerWidth = kColumnWidth - 2 * kInset;
    const int firstRow = source_->FieldBottom() + 4;
    const int secondRow = firstRow + kRowStep;

    int x = kMargin + kInset;
    subDirs_ = MakeCheckBox(this, "Unterverzeichnisse mit verarbeiten (in Quelle)",
                            "Aktivieren Sie das Häkchen, wenn auch die Unterverzeichnisse "
                            "eingelesen und synronisiert werden sollen",
                            x, firstRow, innerWidth, form.subDirs);
    compare_ = MakeCheckBox(this, "Dateiinhalt vergleichen via",
                            "Aktivieren Sie das Häkchen, wird der Dateiinhalt auf Basis des MD5 "
                            "oder CRC32-Fingerprints verglichen (langsamer)",
                            x, secondRow, innerWidth, form.compareContent);
    const int methodsLeft = x + kMethodIndent;
    const int methodsRow = secondRow + kRowStep;
    qsm_ = MakeOption(this, "QSM", nullptr, methodsLeft, methodsRow, kMethodWidth, wxRB_GROUP);
    crc_ = MakeOption(this, "CRC", nullptr, methodsLeft + kMethodWidth, methodsRow, kMethodWidth);
    md5_ =
        MakeOption(this, "MD5", nullptr, methodsLeft + 2 * kMethodWidth, methodsRow, kMethodWidth);

    target_ = std::make_unique<FolderPicker>(this, kTargetTexts, fonts_.caption,
                                             wxPoint(kRightColumn, kFolderFrameTop), frameSize,
                                             form.target);
    x = kRightColumn + kInset;
    targetSubDirs_ = MakeCheckBox(this, "Unterordner für jedes Backup anlegen",
                                  "Aktivieren Sie das Häkchen, wird für jedes Backup im "
                                  "Zielverzeichnis, ein neuer Ordner angelegt der das Datum und "
                                  "die Zeit des Backups trägt",
                                  x, firstRow, innerWidth, form.createTargetSubDirs);
    deleteFiles_ = MakeCheckBox(
        this, "Überflüssige Dateien löschen (Spiegelung)",
        "Aktivieren Sie das Häkchen, werden Dateien auf Ziel gelöscht, die in Quelle fehlen", x,
        secondRow, innerWidth, form.deleteFiles);
}

void JobEditorWindow::BuildExtensionFrame(const JobForm& form) {
    MakeFrame(this, "3. Dateitypen", fonts_.caption, kMargin, kExtensionFrameTop, kFullWidth,
              kExtensionFrameHeight);
    const int x = kMargin + kInset;
    const int firstRow = kExtensionFrameTop + 20;
    allFiles_ = MakeOption(this, "Alle Dateien berücksichtigen",
                           "Wählen Sie hier um ALLE Dateien in dem gewählten Ordner zu vergleichen",
                           x, firstRow, kExtensionOptionWidth, wxRB_GROUP);
    include_ = MakeOption(this, "NUR diese Dateiendungen berücksichtigen",
                          "Wählen Sie hier, welche Dateiendungen von der Sicherung betroffen "
                          "sein sollen",
                          x, firstRow + kRowStep, kExtensionOptionWidth);
    exclude_ = MakeOption(this, "Diese Dateiendungen NICHT berücksichtigen",
                          "Wählen Sie hier, welche Dateiendungen NICHT von der Sicherung "
                          "betroffen sein sollen",
                          x, firstRow + 2 * kRowStep, kExtensionOptionWidth);
    const int fieldLeft = x + kExtensionOptionWidth + 5;
    const int fieldWidth = kMargin + kFullWidth - kInset - fieldLeft;
    includeField_ = MakeField(this, form.includeText,
                              "Wählen Sie hier, welche Dateiendungen von der Sicherung betroffen "
                              "sein sollen. Beispiel: .jpg,.gif",
                              fieldLeft, firstRow + kRowStep, fieldWidth, 0);
    excludeField_ = MakeField(this, form.excludeText,
                              "Wählen Sie hier, welche Dateiendungen NICHT von der Sicherung "
                              "betroffen sein sollen. Beispiel: .jpg,.gif",
                              fieldLeft, firstRow + 2 * kRowStep, fieldWidth, 0);
}

void JobEditorWindow::BuildTitleAndButtons(const JobForm& form) {
    MakeFrame(this, "4. Titel (optional)", fonts_.caption, kMargin, kTitleFrameTop, kFullWidth,
              kTitleFrameHeight);
    titleField_ = MakeField(this, form.title, nullptr, kMargin + kInset, kTitleFrameTop + 22,
                            kFullWidth - 2 * kInset, 0);
    cancelButton_ = MakeButton(this, "Abbruch",
                               "Klicken Sie hier, wenn Sie die Einstellungen nicht übernehmen "
                               "wollen",
                               kMargin, kButtonTop, kColumnWidth, kButtonHeight);
    saveButton_ = MakeButton(this, "Job speichern",
                             "Klicken Sie hier wenn Sie oben Quelle und Ziel festgelegt haben und "
                             "den Job übernehmen möchten",
                             kRightColumn, kButtonTop, kColumnWidth, kButtonHeight);
    saveButton_->SetFont(fonts_.caption);
}

void JobEditorWindow::BindHandlers() {
    gate_.Bind(compare_, wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        JobForm form = Form();
        ToggleCompareContent(form, compare_->GetValue(), storedFileCheckSum_);
        ShowStates(form);
    });
    gate_.Bind(targetSubDirs_, wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        JobForm form = Form();
        ToggleTargetSubDirs(form, targetSubDirs_->GetValue());
        ShowStates(form);
    });
    for (wxRadioButton* option : {allFiles_, include_, exclude_}) {
        gate_.Bind(option, wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowStates(Form()); });
    }
    gate_.Bind(source_->NewFolderButton(), wxEVT_BUTTON,
               [this](wxCommandEvent&) { OnNewFolder(*source_, FolderSide::Source); });
    gate_.Bind(target_->NewFolderButton(), wxEVT_BUTTON,
               [this](wxCommandEvent&) { OnNewFolder(*target_, FolderSide::Target); });
    gate_.Bind(saveButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); });
    // Leaving without saving is always possible, even while queued events are flushed.
    cancelButton_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto()) {
            event.Veto();
        }
        OnCancel();
    });
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            OnCancel();
        } else {
            event.Skip();
        }
    });
}

wxRadioButton* JobEditorWindow::CompareMethod(std::uint8_t method) {
    switch (method) {
        case kCompareCrc:
            return crc_;
        case kCompareMd5:
            return md5_;
        default:
            return qsm_;
    }
}

JobForm JobEditorWindow::Form() const {
    JobForm form;
    form.source = source_->Text();
    form.target = target_->Text();
    form.title = FromWx(titleField_->GetValue());
    form.subDirs = subDirs_->GetValue();
    form.createTargetSubDirs = targetSubDirs_->GetValue();
    form.deleteFiles = deleteFiles_->GetValue();
    form.compareContent = compare_->GetValue();
    form.compareMethod =
        md5_->GetValue() ? kCompareMd5 : (crc_->GetValue() ? kCompareCrc : kCompareQsm);
    if (exclude_->GetValue()) {
        form.extensionMode = ExtensionMode::Exclude;
    } else if (include_->GetValue()) {
        form.extensionMode = ExtensionMode::Include;
    }
    form.includeText = FromWx(includeField_->GetValue());
    form.excludeText = FromWx(excludeField_->GetValue());
    return form;
}

void JobEditorWindow::ShowStates(const JobForm& form) {
    targetSubDirs_->SetValue(form.createTargetSubDirs);
    deleteFiles_->SetValue(form.deleteFiles);
    compare_->SetValue(form.compareContent);
    CompareMethod(form.compareMethod)->SetValue(true);
    switch (form.extensionMode) {
        case ExtensionMode::AllFiles:
            allFiles_->SetValue(true);
            break;
        case ExtensionMode::Include:
            include_->SetValue(true);
            break;
        case ExtensionMode::Exclude:
            exclude_->SetValue(true);
            break;
    }
    const FormEnabling enabling = EnablingOf(form);
    compare_->Enable(enabling.compareContent);
    deleteFiles_->Enable(enabling.deleteFiles);
    for (wxRadioButton* method : {qsm_, crc_, md5_}) {
        method->Enable(enabling.compareMethods);
    }
    includeField_->Enable(enabling.includeText);
    excludeField_->Enable(enabling.excludeText);
}

void JobEditorWindow::OnNewFolder(FolderPicker& side, FolderSide which) {
    const std::string parent = side.TreePath();
    if (parent.empty()) {
        return;
    }
    const std::string folder =
        RequestNewFolder(*program_.dialogs, which, parent, program_.settings.DateFileMask,
                         program_.clock->DateNow());
    if (!folder.empty()) {
        side.ShowNewFolder(folder);
    }
}

void JobEditorWindow::OnSave() {
    if (!done_ && SaveJobForm(Form(), program_.jobs, *program_.dialogs, program_.log,
                              program_.clock->DateNow())) {
        done_ = true;
    }
}

void JobEditorWindow::OnCancel() {
    if (!done_) {
        DropUnsavedJob(program_.jobs);
        done_ = true;
    }
}

}  // namespace quorvex
