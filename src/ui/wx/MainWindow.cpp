#include "ui/wx/MainWindow.h"

#include <wx/accel.h>
#include <wx/settings.h>
#include <wx/statusbr.h>

#include "config/ProductInfo.h"
#include "config/Settings.h"
#include "platform/DateTime.h"
#include "platform/TextFormat.h"
#include "ui/OptionRules.h"
#include "ui/wx/JpegImage.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/QuietStatusBar.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kStatusWidths[] = {230, 170, 133, 133, 134};
constexpr int kButtonTop = 510;
constexpr int kButtonHeight = 30;
// A click on "STOP!" or "Pause" this soon after the start is the second half of a double
// click on "START!" or "Vorschau", not a wish to stop.
constexpr int kClickAfterStartIgnored = 500;

}  // namespace

MainWindow::MainWindow(Program& program, WindowServices services)
    : wxFrame(nullptr, wxID_ANY, ToWx(kProductTitle), wxDefaultPosition, wxDefaultSize,
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      program_(program),
      services_(std::move(services)),
      fonts_(LoadWindowFonts()),
      context_{program_, services_, gate_, fonts_} {
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(IconImage()));
    SetIcon(icon);
    SetFont(fonts_.normal);
    jobEditor_ = std::make_unique<WxJobEditor>(program_, *this, fonts_);
    if (services_.jobEditor == nullptr) {
        services_.jobEditor = jobEditor_.get();
    }
    BuildStatusBar();
    SetClientSize(FromDIP(kNarrowWidth), FromDIP(kClientHeight) - GetStatusBar()->GetSize().y);
    client_ =
        new wxPanel(this, wxID_ANY, wxPoint(0, 0), FromDIP(wxSize(kWideWidth, kClientHeight)));
    BuildLogo();
    BuildPages();
    BuildStatusAndButtons();
    BindEvents();
    toolTipGuard_ = std::make_unique<ToolTipGuard>(*this);
    const int screenWidth = wxSystemSettings::GetMetric(wxSYS_SCREEN_X);
    const int screenHeight = wxSystemSettings::GetMetric(wxSYS_SCREEN_Y);
    Move((screenWidth - FromDIP(kWideWidth)) / 2, (screenHeight - FromDIP(kClientHeight)) / 2);
}

void MainWindow::BuildStatusBar() {
    wxStatusBar* bar = CreateStatusBar(static_cast<int>(std::size(kStatusWidths)));
    bar->SetFont(fonts_.normal);
    int widths[std::size(kStatusWidths)];
    for (std::size_t field = 0; field < std::size(kStatusWidths); ++field) {
        widths[field] = FromDIP(kStatusWidths[field]);
    }
    bar->SetStatusWidths(static_cast<int>(std::size(widths)), widths);
    SetStatusText(ToWx(MakerLine(program_.clock->DateNow())), 1);
    for (int index = 0; index < kAddressFieldCount; ++index) {
        SetStatusText(ToWx(StatusBarAddress(index)), kFirstAddressField + index);
    }
}

wxStatusBar* MainWindow::OnCreateStatusBar(int fields, long style, wxWindowID id,
                                           const wxString& name) {
    auto* bar = new QuietStatusBar(this, id, style, name);
    bar->SetFieldsCount(fields);
    return bar;
}

void MainWindow::BuildLogo() {
    logo_ = new ClickableImage(client_, wxPoint(10, 5), LogoImage());
    logo_->OnClick([this]() {
        if (gate_.Enter()) {
            OpenWebSite(context_);
        }
    });
}

// A page built while a run locks the window comes up locked as well.
template <typename PageType>
TabbedPages::PageMaker MainWindow::LockablePage() {
    return [this](wxWindow* parent) {
        auto* page = new PageType(parent, context_);
        if (locked_) {
            page->Lock(true);
        }
        return page;
    };
}

void MainWindow::BuildPages() {
    pages_ = new TabbedPages(client_, wxPoint(10, 70), wxSize(380, 300));
    pages_->AddPage("1. Jobs", LockablePage<JobsPage>());
    pages_->AddPage("2. Optionen", LockablePage<OptionsPage>());
    pages_->AddPage("3. Expertenmodus", LockablePage<ExpertPage>());
    pages_->AddPage("4. Statistik", [](wxWindow* parent) { return new StatisticsPage(parent); });
    pages_->AddPage(ToWx("- Info über -"),
                    [this](wxWindow* parent) { return new InfoPage(parent, context_); });
}

void MainWindow::BuildStatusAndButtons() {
    fileStatus_ = std::make_unique<StatusFrame>(
        client_, "Datei-Status", "Der Balken zeigt den Fortschritt der aktuellen Datei.",
        wxPoint(10, 375), wxSize(380, 65), wxColour(255, 200, 100));
    jobStatus_ = std::make_unique<StatusFrame>(
        client_, "Job-Status",
        "Der Balken zeigt den Gesamtfortschritt des aktuellen Syncronisations-Jobs",
        wxPoint(10, 440), wxSize(380, 65), wxColour(255, 128, 0));

    runButton_ = MakeButton(client_, "START!", "Starten Sie hier die Syncronisation!", 10,
                            kButtonTop, 100, kButtonHeight, kRunButtonId);
    runButton_->SetFont(fonts_.caption);
    previewButton_ = MakeButton(client_, "Vorschau",
                                "Die Vorschau prüft den Datenbestand und den erforderlichen "
                                "Speicherplatz. Es werden keine Dateien kopiert oder gelöscht.",
                                120, kButtonTop, 100, kButtonHeight, kPreviewButtonId);
    batchButton_ = MakeButton(client_, "Batchfile anlegen",
                              "Die aktuelle Job-Liste wird als Stapeldatei/Batchdatei (.bat) "
                              "gespeichert",
                              230, kButtonTop, 100, kButtonHeight);
    moreButton_ =
        new wxToggleButton(client_, wxID_ANY, "Mehr >>", FromDIP(wxPoint(340, kButtonTop)),
                           FromDIP(wxSize(50, kButtonHeight)));
    SetTip(moreButton_, "Aktivieren sie hier die Dateiliste für jeden Job.");
}

void MainWindow::BindEvents() {
    gate_.Bind(runButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnStart(); });
    gate_.Bind(previewButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnPreview(); });
    gate_.Bind(batchButton_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnBatch(); });
    gate_.Bind(moreButton_, wxEVT_TOGGLEBUTTON, [this](wxCommandEvent&) { OnMore(); });
    // While a job runs, the pause and abort handling asks what these meant.
    const auto recordWhileBusy = [this](PumpEvent meaning) {
        return [this, meaning](wxCommandEvent& event) {
            if (!JustStarted()) {
                Record(meaning);
            }
            event.Skip();
        };
    };
    runButton_->Bind(wxEVT_BUTTON, recordWhileBusy(PumpEvent::RunButton));
    previewButton_->Bind(wxEVT_BUTTON, recordWhileBusy(PumpEvent::PreviewButton));
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Record(PumpEvent::EscapeKey); }, kEscapeCommand);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Record(PumpEvent::PauseKey); }, kPauseCommand);
    wxAcceleratorEntry shortcuts[2];
    shortcuts[0].Set(wxACCEL_NORMAL, WXK_ESCAPE, kEscapeCommand);
    shortcuts[1].Set(wxACCEL_NORMAL, WXK_PAUSE, kPauseCommand);
    SetAcceleratorTable(wxAcceleratorTable(2, shortcuts));
    Bind(wxEVT_CLOSE_WINDOW, &MainWindow::OnClose, this);
}

void MainWindow::OnClose(wxCloseEvent& event) {
    // The window goes only when the main loop ends; during a run closing means abort.
    if (event.CanVeto()) {
        event.Veto();
    }
    if (gate_.Busy()) {
        Record(PumpEvent::CloseRequest);
    } else {
        closeRequested_ = true;
    }
}

bool MainWindow::JustStarted() const {
    return startedByClick_.has_value() &&
           TicksSince(*startedByClick_, program_.clock->TicksNow()) < kClickAfterStartIgnored;
}

void MainWindow::OnStart() {
    startedByClick_ = program_.clock->TicksNow();
    program_.log.Debug("Button: Start Sync...");
    program_.settings.ExitAfterRun = 0;
    if (!Options().LongTerm()->GetValue()) {
        BusyScope busy(gate_);
        if (services_.run) {
            services_.run(RunKind::Sync);
        }
        return;
    }
    if (LongTermMinutesTooLong(FromField(Options().Minutes()))) {
        program_.dialogs->ShowMessage("Dauerbetriebs-Zeit zu lang! Max " +
                                          std::to_string(kMaxLongTermMinutes) +
                                          " Minuten (24 Stunden)",
                                      "Quorvex", MessageIcon::Error);
        Options().Minutes()->ChangeValue("30");
        return;
    }
    if (services_.longTermLoop) {
        // The loop tests for an abort before its first run: the last run's must not end it.
        program_.run = RunState{};
        {
            BusyScope busy(gate_);
            services_.longTermLoop();
        }
        program_.dialogs->ShowMessage("Dauerbetrieb wurde eingestellt.", "Quorvex",
                                      MessageIcon::Information);
    }
}

void MainWindow::OnPreview() {
    startedByClick_ = program_.clock->TicksNow();
    program_.log.Debug("Button: Preview");
    BusyScope busy(gate_);
    if (services_.run) {
        services_.run(RunKind::Preview);
    }
}

// Built when first needed: only the widened window shows it.
ChangeTreeView& MainWindow::Changes() {
    if (!changes_) {
        changes_ = std::make_unique<ChangeTreeView>(client_, wxPoint(410, 5),
                                                    wxSize(380, kClientHeight - 35));
    }
    return *changes_;
}

void MainWindow::ClearChanges() {
    if (changes_) {
        changes_->Clear();
    }
}

void MainWindow::OnMore() {
    const bool widened = moreButton_->GetValue();
    if (widened) {
        Changes();
    }
    SetClientSize(FromDIP(widened ? kWideWidth : kNarrowWidth), GetClientSize().y);
    moreButton_->SetLabel(widened ? "<< Mehr" : "Mehr >>");
    program_.log.Debug("Button: MEHR>>");
}

void MainWindow::OnBatch() {
    if (services_.chooseSaveFile) {
        ExportBatchFile(program_, NativeScriptFlavour(), services_.chooseSaveFile);
    }
}

void MainWindow::RedrawJobList() {
    if (pages_->Built(kJobsPageIndex)) {
        Jobs().Redraw();
    }
}

void MainWindow::LockControls(bool locked) {
    locked_ = locked;
    if (pages_->Built(kJobsPageIndex)) {
        Jobs().Lock(locked);
    }
    if (pages_->Built(kOptionsPageIndex)) {
        Options().Lock(locked);
    }
    if (pages_->Built(kExpertPageIndex)) {
        Expert().Lock(locked);
    }
    for (wxWindow* control :
         {static_cast<wxWindow*>(batchButton_), static_cast<wxWindow*>(moreButton_),
          static_cast<wxWindow*>(runButton_), static_cast<wxWindow*>(previewButton_)}) {
        control->Enable(!locked);
    }
    KeepKeyboard();
}

// ESC and PAUSE reach the window only through a focused control that takes keys. Where
// disabling the focused control leaves the window without one, the run button takes the
// focus, or the logo while the run buttons are locked too.
void MainWindow::KeepKeyboard() {
    wxWindow* focused = FindFocus();
    if (focused != nullptr && (focused->IsEnabled() || wxGetTopLevelParent(focused) != this)) {
        return;
    }
    if (runButton_->IsEnabled()) {
        runButton_->SetFocus();
    } else {
        logo_->SetFocus();
    }
}

void MainWindow::SetRunButtonLabels(const wxString& runLabel, const wxString& previewLabel) {
    runButton_->SetLabel(runLabel);
    previewButton_->SetLabel(previewLabel);
}

void MainWindow::EnableRunButtons(bool enabled) {
    runButton_->Enable(enabled);
    previewButton_->Enable(enabled);
    KeepKeyboard();
}

void MainWindow::EnableAfterRun() {
    for (wxWindow* control :
         {static_cast<wxWindow*>(runButton_), static_cast<wxWindow*>(batchButton_),
          static_cast<wxWindow*>(moreButton_)}) {
        control->Enable();
    }
    if (pages_->Built(kJobsPageIndex)) {
        JobsPage& jobs = Jobs();
        for (wxWindow* control :
             {static_cast<wxWindow*>(jobs.AddButton()), static_cast<wxWindow*>(jobs.DeleteButton()),
              static_cast<wxWindow*>(jobs.List())}) {
            control->Enable();
        }
    }
}

std::optional<OptionFieldTexts> MainWindow::TypedOptionTexts() {
    if (!pages_->Built(kExpertPageIndex)) {
        return std::nullopt;
    }
    return OptionFieldTexts{FromField(Expert().LogFolder()), FromField(Expert().TimeDifference())};
}

std::string MainWindow::FromField(wxTextCtrl* field) {
    return FromWx(field->GetValue());
}

}  // namespace quorvex
