#include "ui/wx/ExpertPage.h"

#include <wx/statbox.h>
#include <wx/valtext.h>

#include "platform/DateTime.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"
#include "ui/OptionRules.h"
#include "ui/wx/OptionBinding.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kFrameTop = 2;
constexpr int kFrameInset = 10;
constexpr int kFrameFirstRow = kFrameTop + 20;
constexpr int kFrameHeight = 20 + 3 * kRowStep + 6;
constexpr int kBelowFrame = kFrameTop + kFrameHeight + 4;
constexpr int kChoiceHeight = 26;
constexpr const char* kLogFolderTip =
    "Geben Sie hier eine Ordner ein, indem die Log-Dateien gespeichert werden sollen";

int BelowFrame(int row) {
    return kBelowFrame + row * kRowStep;
}

}  // namespace

ExpertPage::ExpertPage(wxWindow* parent, WindowContext& context)
    : wxPanel(parent), context_(context) {
    BuildControls();
    BindHandlers();
}

void ExpertPage::BuildControls() {
    const Settings& settings = context_.program.settings;
    new wxStaticBox(this, wxID_ANY, ToWx("Prüfmethoden"), FromDIP(wxPoint(kPageLeft, kFrameTop)),
                    FromDIP(wxSize(kPageWidth, kFrameHeight)));
    const int inner = kPageLeft + kFrameInset;
    const int innerWidth = kPageWidth - 2 * kFrameInset;
    dateCheck_ = MakeCheckBox(this, "Prüfung auf Datum",
                              "Aktivieren Sie dieses Häkchen um Dateien mit unterschiedlichem "
                              "Datum kopieren zu lassen.",
                              inner, kFrameFirstRow, innerWidth, settings.FileCheck_Date != 0);
    existCheck_ =
        MakeCheckBox(this, "Prüfung ob Datei existiert",
                     "Aktivieren Sie dieses Häkchen um Dateien die nicht existieren "
                     "kopieren zu lassen.",
                     inner, kFrameFirstRow + kRowStep, innerWidth, settings.Filecheck_Exist != 0);
    attributeCheck_ = MakeCheckBox(this, "Prüfung auf Datei-Attribute",
                                   "Aktivieren Sie dieses Häkchen um Dateien die unterschiedliche "
                                   "Attribute haben kopieren zu lassen.",
                                   inner, kFrameFirstRow + 2 * kRowStep, innerWidth,
                                   settings.FileCheck_Attribute != 0);

    spaceCheck_ =
        MakeCheckBox(this, "Speicherkapazität auf Ziel prüfen",
                     "Aktivieren Sie diese Funktion um den verfügbaren Speicher vor der "
                     "Syncronisation zu prüfen",
                     kPageLeft, BelowFrame(0), kPageWidth, settings.CheckTargetSpace != 0);
    utcCorrection_ = MakeCheckBox(this, "UTC Zeitkorrektur verwenden",
                                  "Aktivieren Sie diese Funktion um das Datum der kopierten "
                                  "Dateien nach der UTC-Zeitrechnung zu korrigieren",
                                  kPageLeft, BelowFrame(1), kPageWidth, settings.UTC_Time != 0);

    const int fieldLeft = kPageRight - kFieldWidth;
    MakeLabel(this, "Zeitdifferenz (Sekunden, Standard=2)", kPageLeft, BelowFrame(2) + 2,
              fieldLeft - kPageLeft - 4);
    timeDifference_ = MakeField(this, std::to_string(settings.NTFS_TimeDifference),
                                "Geben Sie hier eine Zeitdifferenz ein, die beim Datumvergleich "
                                "nicht berücksichtigt wird. Üblicherweise bei NTFS (2 Sekunden)",
                                fieldLeft, BelowFrame(2) + 2, kFieldWidth);
    timeDifference_->SetValidator(wxTextValidator(wxFILTER_DIGITS));

    const int dotsLeft = kPageRight - kDotsWidth;
    const int folderLeft = dotsLeft - 4 - kFieldWidth;
    MakeLabel(this, "Log-Datei-Verzeichnis", kPageLeft, BelowFrame(3) + 4,
              folderLeft - kPageLeft - 4);
    logFolder_ =
        MakeField(this, settings.LogfileDir, nullptr, folderLeft, BelowFrame(3) + 4, kFieldWidth);
    ShowLogFolderEnd();
    logFolderButton_ = MakeButton(this, "...",
                                  "Klicken Sie hier um einen Ordner auszuwählen, indem die "
                                  "Log-Dateien gespeichert werden sollen",
                                  dotsLeft, BelowFrame(3) + 3, kDotsWidth, kRowHeight + 2);

    MakeLabel(this, "Prozesspriorität", kPageLeft, BelowFrame(4) + 8, fieldLeft - kPageLeft - 4);
    priority_ = new wxChoice(this, wxID_ANY, FromDIP(wxPoint(fieldLeft, BelowFrame(4) + 5)),
                             FromDIP(wxSize(kFieldWidth, kChoiceHeight)));
    for (const char* label : kPriorityItemLabels) {
        priority_->Append(ToWx(label));
    }
    priority_->SetSelection(PriorityItem(settings.Priority));
    SetTip(priority_,
           "Ändern Sie hier die Systempriorität von Quorvex. Dies wird beim Syncronisieren "
           "berücksichtigt.");
}

void ExpertPage::BindHandlers() {
    HandlerGate& gate = context_.gate;
    BindYesNo(context_, dateCheck_, &Settings::FileCheck_Date,
              "Checkbox: FileCheck-Date, Status: ");
    BindYesNo(context_, existCheck_, &Settings::Filecheck_Exist,
              "Checkbox: FileCheck-Exist, Status: ");
    BindYesNo(context_, attributeCheck_, &Settings::FileCheck_Attribute,
              "Checkbox: FileCheck-Attribute, Status: ");
    BindYesNo(context_, spaceCheck_, &Settings::CheckTargetSpace,
              "Checkbox: CheckAvailableSpace, Status: ");
    gate.Bind(utcCorrection_, wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnUtcCorrection(); });
    gate.Bind(timeDifference_, wxEVT_TEXT, [this](wxCommandEvent&) {
        context_.program.settings.NTFS_TimeDifference =
            LeadingInteger(FromWx(timeDifference_->GetValue()));
    });
    // Typed text updates the tooltip, whatever the window is doing.
    logFolder_->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
        event.Skip();
        logFolder_->SetToolTip(LogFolderTip());
    });
    gate.Bind(logFolderButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnLogFolderButton(); });
    gate.Bind(priority_, wxEVT_CHOICE, [this](wxCommandEvent&) { OnPriority(); });
}

void ExpertPage::OnUtcCorrection() {
    Settings& settings = context_.program.settings;
    settings.UTC_Time = utcCorrection_->GetValue() ? TimeZoneStateCode() : 0;
    context_.program.log.Debug("Checkbox: UTC-Time, Status: " + std::to_string(settings.UTC_Time));
}

void ExpertPage::OnLogFolderButton() {
    Settings& settings = context_.program.settings;
    const std::string chosen = context_.services.chooseFolder
                                   ? context_.services.chooseFolder("Log-Datei-Ordner auswählen",
                                                                    FromWx(logFolder_->GetValue()))
                                   : std::string();
    // Cancelling falls back to the default log folder.
    settings.LogfileDir =
        chosen.empty() ? ProgramDataFolder(settings.ProgramFolder) : WithTrailingSeparator(chosen);
    logFolder_->ChangeValue(ToWx(settings.LogfileDir));
    ShowLogFolderEnd();
    context_.program.log.Debug("Button: LogFilePath, Status: " + settings.LogfileDir);
}

// The field is narrower than most paths: it shows their end, where the folder's own name
// is, and the tooltip holds the whole path.
void ExpertPage::ShowLogFolderEnd() {
    logFolder_->SetInsertionPointEnd();
    logFolder_->ShowPosition(logFolder_->GetLastPosition());
    logFolder_->SetToolTip(LogFolderTip());
}

wxString ExpertPage::LogFolderTip() const {
    return ToWx(kLogFolderTip) + "\n" + logFolder_->GetValue();
}

void ExpertPage::OnPriority() {
    Settings& settings = context_.program.settings;
    settings.Priority = PriorityOfItem(priority_->GetSelection());
    context_.program.log.Debug("Prorität geändert auf: " + std::to_string(settings.Priority));
}

void ExpertPage::Lock(bool locked) {
    for (wxWindow* control :
         {static_cast<wxWindow*>(dateCheck_), static_cast<wxWindow*>(existCheck_),
          static_cast<wxWindow*>(attributeCheck_), static_cast<wxWindow*>(spaceCheck_),
          static_cast<wxWindow*>(utcCorrection_), static_cast<wxWindow*>(timeDifference_),
          static_cast<wxWindow*>(logFolder_), static_cast<wxWindow*>(logFolderButton_),
          static_cast<wxWindow*>(priority_)}) {
        control->Enable(!locked);
    }
}

}  // namespace quorvex
