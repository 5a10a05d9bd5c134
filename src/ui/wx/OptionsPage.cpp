#include "ui/wx/OptionsPage.h"

#include "config/Settings.h"
#include "platform/TextFormat.h"
#include "ui/OptionRules.h"
#include "ui/wx/DrivesWindow.h"
#include "ui/wx/MainWindow.h"
#include "ui/wx/OptionBinding.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/WxEventPump.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kRightColumn = kPageLeft + kHalfWidth;
constexpr int kButtonHeight = 22;

}  // namespace

OptionsPage::OptionsPage(wxWindow* parent, WindowContext& context)
    : wxPanel(parent), context_(context) {
    BuildControls();
    BindHandlers();
}

void OptionsPage::BuildControls() {
    const Settings& settings = context_.program.settings;
    logging_ = MakeCheckBox(this, "Logging aktivieren",
                            "Aktivieren Sie hier das File-Logging (Quorvex.log).", kPageLeft,
                            RowTop(0), kHalfWidth, settings.Logging != 0);
    secureLog_ = MakeCheckBox(this, "SecureLog",
                              "Aktivieren Sie hier das 'SecureLogging'. Hierbei wird sofort eine "
                              "Datei erzeugt - nicht erst zwischen gespeichert. Spart Speicher.",
                              kRightColumn, RowTop(0), kHalfWidth, settings.SecureLog != 0);
    historyLogs_ =
        MakeCheckBox(this, "fortlaufende Logfiles anlegen",
                     "Bei Aktivierung wird für jeden Durchlauf ein eigenes Logfile erzeugt",
                     kPageLeft, RowTop(1), kPageWidth, settings.LogfileNo != 0);
    minimise_ = MakeCheckBox(this, "Fenster im Betrieb minimieren",
                             "Fenster wird während dem Syncronisationsvorgang minimiert. Nach "
                             "Beenden wird das Fenster wieder hergestellt.",
                             kPageLeft, RowTop(2), kHalfWidth, settings.AutoMinimize != 0);
    tray_ = MakeCheckBox(
        this, "in SysTray",
        "Schliesst das Fenster und zeigt im Systray das Quorvex Icon während dem Betrieb",
        kRightColumn, RowTop(2), kHalfWidth, settings.Systray != 0);
    autoExit_ = MakeCheckBox(this, "Programm beenden nach Vorgang",
                             "Nach erfolgreicher Syncronisation wird das Programm beendet.",
                             kPageLeft, RowTop(3), kPageWidth, settings.AutoExit != 0);
    lockStation_ = MakeCheckBox(this, "Workstation nach Beenden sperren",
                                "Nach erfolgreicher Syncronisation wird der Computer gesperrt.",
                                kPageLeft, RowTop(4), kPageWidth, settings.LockWorkStation != 0);
    shutdown_ = MakeCheckBox(this, "Workstation nach Beenden herunterfahren (ab Win2000)",
                             "Computer wird nach Syncronisation heruntergefahren", kPageLeft,
                             RowTop(5), kPageWidth, settings.Shutdown != 0);

    const int fieldLeft = kPageRight - kFieldWidth;
    const std::string longTermLabel =
        "Dauerbetrieb in Minuten - max. " + std::to_string(kMaxLongTermMinutes) + " (24h) ";
    longTerm_ = MakeCheckBox(this, longTermLabel.c_str(),
                             "Die Syncronisation wird nach der eingestellten Zeit erneut "
                             "gestartet. Endlos, bis zur manuellen Beendung.",
                             kPageLeft, RowTop(6), fieldLeft - kPageLeft - 4, false);
    minutes_ = MakeField(this, std::to_string(settings.LongTermMinutes), nullptr, fieldLeft,
                         RowTop(6), kFieldWidth);
    minutes_->Disable();

    const int dotsLeft = kPageRight - kDotsWidth;
    const int drivesLeft = dotsLeft - 4 - kFieldWidth;
    const bool drivesGiven = !settings.SaveDrives.empty();
    protectDrives_ = MakeCheckBox(
        this, "(Quell-) Laufwerke schützen",
        "Die angegebenen Laufwerke können nicht als Zielverzeichnisse gewählt werden "
        "(einschliesslich Unterverzeichnisse). Dies schützt unachtsames Überschreiben wichtiger "
        "Daten.",
        kPageLeft, RowTop(7) + 1, drivesLeft - kPageLeft - 4, drivesGiven);
    drives_ =
        MakeField(this, settings.SaveDrives, nullptr, drivesLeft, RowTop(7) + 1, kFieldWidth, 0);
    drivesButton_ =
        MakeButton(this, "...", nullptr, dotsLeft, RowTop(7), kDotsWidth, kButtonHeight);
    drives_->Enable(drivesGiven);
    drivesButton_->Enable(drivesGiven);

    const int updateLeft = kPageRight - kFieldWidth;
    updateAtStart_ = MakeCheckBox(this, "Beim Start auf Updates prüfen",
                                  "Prüft beim Starten des Programms, ob ein Update auf der Server "
                                  "liegt und läd dies ggf. herunter",
                                  kPageLeft, RowTop(8) + 2, updateLeft - kPageLeft - 4,
                                  settings.UpdateCheck != 0);
    updateButton_ = MakeButton(
        this, "Updatecheck", "Prüft, ob ein Update auf der Server liegt und läd dies ggf. herunter",
        updateLeft, RowTop(8) + 1, kFieldWidth, kButtonHeight);

    secureLog_->Enable(settings.Logging != 0);
    historyLogs_->Enable(settings.Logging != 0);
}

void OptionsPage::BindHandlers() {
    HandlerGate& gate = context_.gate;
    gate.Bind(logging_, wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnLogging(); });
    BindYesNo(context_, secureLog_, &Settings::SecureLog, "Checkbox: SecureLog, Status: ");
    BindYesNo(context_, historyLogs_, &Settings::LogfileNo,
              "Checkbox: Logfile-Nummerierung, Status: ");
    BindYesNo(context_, minimise_, &Settings::AutoMinimize, "Checkbox: Minimize, Status: ");
    BindYesNo(context_, tray_, &Settings::Systray, nullptr);
    BindYesNo(context_, autoExit_, &Settings::AutoExit, "Checkbox: AutoExit, Status: ");
    BindYesNo(context_, lockStation_, &Settings::LockWorkStation, "Checkbox: LockPC, Status: ");
    BindYesNo(context_, shutdown_, &Settings::Shutdown, "Checkbox: Shutdown, Status: ");
    BindYesNo(context_, updateAtStart_, &Settings::UpdateCheck, "Checkbox: UpdateCheck, Status: ");
    gate.Bind(longTerm_, wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnLongTerm(); });
    gate.Bind(minutes_, wxEVT_TEXT, [this](wxCommandEvent&) { OnMinutes(); });
    gate.Bind(protectDrives_, wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnProtectDrives(); });
    gate.Bind(drivesButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnDrivesButton(); });
    gate.Bind(updateButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnUpdateButton(); });
    gate.Bind(drives_, wxEVT_TEXT, [this](wxCommandEvent&) {
        context_.program.settings.SaveDrives = FromWx(drives_->GetValue());
    });
}

void OptionsPage::OnLogging() {
    Settings& settings = context_.program.settings;
    settings.Logging = logging_->GetValue() ? 1 : 0;
    settings.LogfileNo = historyLogs_->GetValue() ? 1 : 0;
    settings.SecureLog = secureLog_->GetValue() ? 1 : 0;
    secureLog_->Enable(IsOn(settings.Logging));
    historyLogs_->Enable(IsOn(settings.Logging));
    context_.program.log.Debug("Checkbox: Logging, Status: " + std::to_string(settings.Logging));
}

void OptionsPage::OnLongTerm() {
    Settings& settings = context_.program.settings;
    settings.LongTerm = longTerm_->GetValue() ? 1 : 0;
    minutes_->Enable(IsOn(settings.LongTerm));
    context_.program.log.Debug("Button: Dauerbetrieb, Status: " +
                               std::to_string(settings.LongTerm));
}

void OptionsPage::OnMinutes() {
    const MinutesCheck check = CheckLongTermMinutes(FromWx(minutes_->GetValue()));
    for (const std::string& message : check.messages) {
        context_.program.dialogs->ShowMessage(message, "Quorvex", MessageIcon::None);
    }
    if (!check.messages.empty()) {
        minutes_->ChangeValue(ToWx(check.text));
        minutes_->SetInsertionPointEnd();
    }
}

void OptionsPage::OnProtectDrives() {
    Settings& settings = context_.program.settings;
    settings.ProtectDrives = protectDrives_->GetValue() ? 1 : 0;
    drives_->Enable(IsOn(settings.ProtectDrives));
    drivesButton_->Enable(IsOn(settings.ProtectDrives));
    context_.program.log.Debug("Checkox: LW-Save");
}

void OptionsPage::OnDrivesButton() {
    auto* window = dynamic_cast<MainWindow*>(wxGetTopLevelParent(this));
    if (window == nullptr || !context_.services.listDrives) {
        return;
    }
    Settings& settings = context_.program.settings;
    WxEventPump pump(*window);
    BusyScope busy(context_.gate);
    settings.SaveDrives = ChooseProtectedDrives(pump, context_.services.listDrives,
                                                "Bitte zu schützende Laufwerke wählen",
                                                settings.SaveDrives, GetFont());
    drives_->ChangeValue(ToWx(settings.SaveDrives));
    context_.program.log.Debug("Button: LW-Save: " + settings.SaveDrives);
}

void OptionsPage::OnUpdateButton() {
    if (!context_.services.updateCheck) {
        return;
    }
    Program& program = context_.program;
    program.display->SetStatusText(0, "Prüfe auf Update...");
    {
        BusyScope busy(context_.gate);
        context_.services.updateCheck();
    }
    if (!program.endAtOnce) {
        program.display->SetStatusText(0, "Update-Vorgang beendet.");
    }
}

void OptionsPage::Lock(bool locked) {
    for (wxWindow* control :
         {static_cast<wxWindow*>(logging_), static_cast<wxWindow*>(minimise_),
          static_cast<wxWindow*>(tray_), static_cast<wxWindow*>(autoExit_),
          static_cast<wxWindow*>(lockStation_), static_cast<wxWindow*>(shutdown_),
          static_cast<wxWindow*>(longTerm_), static_cast<wxWindow*>(protectDrives_),
          static_cast<wxWindow*>(updateAtStart_), static_cast<wxWindow*>(updateButton_)}) {
        control->Enable(!locked);
    }
    const Settings& settings = context_.program.settings;
    // Secure and history logs only make sense while logging is on.
    secureLog_->Enable(!locked && IsOn(settings.Logging));
    historyLogs_->Enable(!locked && IsOn(settings.Logging));
    minutes_->Enable(!locked && IsOn(settings.LongTerm));
    drives_->Enable(!locked && IsOn(settings.ProtectDrives));
    drivesButton_->Enable(!locked && IsOn(settings.ProtectDrives));
}

}  // namespace quorvex
