#include "GuiTestSupport.h"

#include "app/window/Toolkit.h"
#include "config/HelpText.h"
#include "platform/DateTime.h"
#include "platform/FileText.h"
#include "platform/Ticks.h"

namespace quorvex::test {

namespace {

// A failed toolkit check fails the test instead of waiting in a dialog nobody answers.
void FailOnToolkitAssert(const wxString& file, int line, const wxString&, const wxString& cond,
                         const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "toolkit check failed: " << cond.utf8_str() << " " << message.utf8_str();
}

// One toolkit for the whole test program, as one program has one.
class ToolkitEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(toolkit_.Start()) << "no display: run under xvfb-run";
        wxSetAssertHandler(FailOnToolkitAssert);
    }

  private:
    Toolkit toolkit_;
};

[[maybe_unused]] ::testing::Environment* const kToolkit =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

}  // namespace

void Click(wxWindow* button) {
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void SetTicked(wxCheckBox* box, bool ticked) {
    box->SetValue(ticked);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(ticked ? 1 : 0);
    box->GetEventHandler()->ProcessEvent(event);
}

void Choose(wxChoice* choice, int item) {
    choice->SetSelection(item);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(item);
    choice->GetEventHandler()->ProcessEvent(event);
}

void Pick(wxRadioButton* option) {
    option->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, option->GetId());
    event.SetEventObject(option);
    event.SetInt(1);
    option->GetEventHandler()->ProcessEvent(event);
}

void Type(wxTextCtrl* field, const std::string& text) {
    field->SetValue(wxString::FromUTF8(text));
}

Later::Later(int milliseconds, std::function<void()> action) : action_(std::move(action)) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { action_(); });
    timer_.StartOnce(milliseconds);
}

Repeating::Repeating(int milliseconds, std::function<bool()> action) : action_(std::move(action)) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        // Some toolkits fire the timer again from an event loop the action runs.
        if (acting_) {
            return;
        }
        acting_ = true;
        const bool done = action_();
        acting_ = false;
        if (done) {
            timer_.Stop();
        }
    });
    timer_.Start(milliseconds);
}

JobEditorWindow* OpenJobEditor() {
    auto* editor =
        dynamic_cast<JobEditorWindow*>(wxWindow::FindWindowByName(JobEditorWindow::kWindowName));
    return editor != nullptr && editor->IsShown() && !editor->Done() ? editor : nullptr;
}

WhenEditorOpens::WhenEditorOpens(std::function<void(JobEditorWindow&)> action)
    : action_(std::move(action)),
      poll_(20,
            [this]() {
                JobEditorWindow* editor = OpenJobEditor();
                if (editor == nullptr || acted_) {
                    return acted_;
                }
                acted_ = true;
                action_(*editor);
                return true;
            }),
      watchdog_(10000, []() {
          if (JobEditorWindow* editor = OpenJobEditor()) {
              ADD_FAILURE() << "the job editor was left open";
              editor->Close();
          }
      }) {}

GuiTest::GuiTest() {
    const DateValue now = CurrentDateValue();
    program.settings = DefaultSettings(dir.path(), "quorvex", dir.path(), now);
    program.settings.HelpText = BuildHelpText(now);
    program.settings.DebugMode = 1;
    program.settings.Logging = 0;
    program.log.SetDebugLogPath(dir / "debug.log");
    services.openExternal = [this](const std::string& target) {
        opened.push_back(target);
        return true;
    };
    services.chooseFolder = [this](const std::string&, const std::string&) { return chosenFolder; };
    services.chooseSaveFile = [this](const std::string&, const std::string&, const std::string&) {
        return chosenSaveFile;
    };
    services.shiftDown = [this]() { return shiftDown; };
}

GuiTest::~GuiTest() {
    session.reset();
}

void GuiTest::OpenWindow() {
    session = std::make_unique<WindowSession>(program, dialogs);
    ASSERT_TRUE(session->Open(services));
    // Messages go to the recorder, not into modal boxes nobody would answer.
    dialogs.UseFallback();
    Settle(100);
}

void GuiTest::Settle(int milliseconds) {
    const Ticks start = TickCount();
    while (TicksSince(start, TickCount()) < milliseconds) {
        if (!session->Pump().DispatchOne()) {
            SleepMilliseconds(2);
        }
    }
}

std::string GuiTest::DebugLog() const {
    return PathExists(dir / "debug.log") ? TextOfFileBytes(ReadFile(dir / "debug.log"))
                                         : std::string();
}

SyncJob& GuiTest::AddJob(const std::string& title, std::uint8_t active) {
    SyncJob& job = program.jobs.AddAfterCurrent();
    job.Title = title;
    job.Active = active;
    job.Source = dir / (title + "-quelle/");
    job.Target = dir / (title + "-ziel/");
    job.Created = MakeDateValue({2025, 1, 2, 3, 4, 5});
    job.SubDirs = 1;
    return job;
}

}  // namespace quorvex::test
