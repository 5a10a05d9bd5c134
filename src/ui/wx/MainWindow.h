#pragma once

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/tglbtn.h>

#include <memory>
#include <optional>

#include "config/ConfigFile.h"
#include "program/EventPump.h"
#include "ui/wx/ChangeTreeView.h"
#include "ui/wx/ClickableImage.h"
#include "ui/wx/ExpertPage.h"
#include "ui/wx/InfoPage.h"
#include "ui/wx/JobsPage.h"
#include "ui/wx/OptionsPage.h"
#include "ui/wx/StatisticsPage.h"
#include "ui/wx/StatusFrame.h"
#include "ui/wx/TabbedPages.h"
#include "ui/wx/ToolTipGuard.h"
#include "ui/wx/WindowContext.h"
#include "ui/wx/WxJobEditor.h"

namespace quorvex {

// Ids the pause and abort handling recognises.
constexpr int kPauseCommand = 19;
constexpr int kEscapeCommand = 27;
constexpr int kRunButtonId = 12;
constexpr int kPreviewButtonId = 13;

// Page indices of the tab control.
constexpr int kJobsPageIndex = 0;
constexpr int kOptionsPageIndex = 1;
constexpr int kExpertPageIndex = 2;
constexpr int kStatisticsPageIndex = 3;
constexpr int kInfoPageIndex = 4;

constexpr int kNarrowWidth = 400;
constexpr int kWideWidth = 800;
constexpr int kClientHeight = 570;

// The program's one main window: logo, five pages, status frames, button row, status bar
// and, when widened, the tree of changes.
class MainWindow : public wxFrame {
  public:
    MainWindow(Program& program, WindowServices services);

    HandlerGate& Gate() { return gate_; }
    WindowServices& Services() { return services_; }
    WindowContext& Context() { return context_; }

    // What the last dispatched events meant to a running job (ESC, PAUSE, the run buttons,
    // the close box); PumpEvent::None when nothing of that kind happened.
    PumpEvent TakeRecorded() { return gate_.TakeRecorded(); }
    // The close box was used while the window was idle: the main loop ends.
    bool CloseRequested() const { return closeRequested_; }

    // The run's window steps.
    void LockControls(bool locked);
    void SetRunButtonLabels(const wxString& runLabel, const wxString& previewLabel);
    void EnableRunButtons(bool enabled);
    // After a run: start, batch export, adding and removing jobs, the toggle and the list.
    void EnableAfterRun();
    void ShowPage(int index) { pages_->SetSelection(index); }
    // A page not yet built shows the list as it is when it is built.
    void RedrawJobList();
    bool Widened() const { return moreButton_->GetValue(); }

    StatusFrame& FileStatus() { return *fileStatus_; }
    StatusFrame& JobStatus() { return *jobStatus_; }
    ChangeTreeView& Changes();
    void ClearChanges();

    TabbedPages& Pages() { return *pages_; }
    // Each page is built when first asked for.
    JobsPage& Jobs() { return pages_->PageAs<JobsPage>(kJobsPageIndex); }
    OptionsPage& Options() { return pages_->PageAs<OptionsPage>(kOptionsPageIndex); }
    ExpertPage& Expert() { return pages_->PageAs<ExpertPage>(kExpertPageIndex); }
    StatisticsPage& Statistics() { return pages_->PageAs<StatisticsPage>(kStatisticsPageIndex); }
    InfoPage& Info() { return pages_->PageAs<InfoPage>(kInfoPageIndex); }
    wxButton* RunButton() { return runButton_; }
    wxButton* PreviewButton() { return previewButton_; }
    wxButton* BatchButton() { return batchButton_; }
    wxToggleButton* MoreButton() { return moreButton_; }
    ClickableImage* Logo() { return logo_; }

    // Texts the configuration keeps at exit; none when the page was never built, for then
    // nothing was typed and the values in use are kept.
    std::optional<OptionFieldTexts> TypedOptionTexts();
    // The long-term period as typed.
    std::string LongTermMinutesText() { return FromField(Options().Minutes()); }

  protected:
    wxStatusBar* OnCreateStatusBar(int fields, long style, wxWindowID id,
                                   const wxString& name) override;

  private:
    void BuildLogo();
    void BuildPages();
    template <typename PageType>
    TabbedPages::PageMaker LockablePage();
    void BuildStatusAndButtons();
    void BuildStatusBar();
    void BindEvents();
    void Record(PumpEvent event) { gate_.Record(event); }
    void KeepKeyboard();
    bool JustStarted() const;
    void OnStart();
    void OnPreview();
    void OnMore();
    void OnBatch();
    void OnClose(wxCloseEvent& event);
    static std::string FromField(wxTextCtrl* field);

    Program& program_;
    WindowServices services_;
    WindowFonts fonts_;
    HandlerGate gate_;
    WindowContext context_;
    std::unique_ptr<WxJobEditor> jobEditor_;
    bool closeRequested_ = false;
    std::optional<Ticks> startedByClick_;

    wxPanel* client_ = nullptr;
    ClickableImage* logo_ = nullptr;
    TabbedPages* pages_ = nullptr;
    bool locked_ = false;
    std::unique_ptr<StatusFrame> fileStatus_;
    std::unique_ptr<StatusFrame> jobStatus_;
    std::unique_ptr<ChangeTreeView> changes_;
    wxButton* runButton_ = nullptr;
    wxButton* previewButton_ = nullptr;
    wxButton* batchButton_ = nullptr;
    wxToggleButton* moreButton_ = nullptr;
    std::unique_ptr<ToolTipGuard> toolTipGuard_;
};

}  // namespace quorvex
