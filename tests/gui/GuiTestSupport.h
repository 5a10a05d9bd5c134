#pragma once

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/window/WindowSession.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "ui/wx/JobEditorWindow.h"

namespace quorvex::test {

// What a user does to a control, sent as the control's own event.
void Click(wxWindow* button);
void SetTicked(wxCheckBox* box, bool ticked);
void Choose(wxChoice* choice, int item);
void Pick(wxRadioButton* option);
// Replaces the text; the field reports the change as typing would.
void Type(wxTextCtrl* field, const std::string& text);

// Runs an action from the event loop after a delay, as a user acting later would.
class Later {
  public:
    Later(int milliseconds, std::function<void()> action);

  private:
    wxTimer timer_;
    std::function<void()> action_;
};

// Runs an action from the event loop every few milliseconds until it returns true.
class Repeating {
  public:
    Repeating(int milliseconds, std::function<bool()> action);

  private:
    wxTimer timer_;
    std::function<bool()> action_;
    bool acting_ = false;
};

// The job editor while it is open and not yet done; nullptr otherwise.
JobEditorWindow* OpenJobEditor();

// Acts once on the job editor as soon as it is open, from the event loop. An editor still
// open after ten seconds is a failure and is closed, so a test cannot hang in it.
class WhenEditorOpens {
  public:
    explicit WhenEditorOpens(std::function<void(JobEditorWindow&)> action);
    bool Acted() const { return acted_; }

  private:
    std::function<void(JobEditorWindow&)> action_;
    bool acted_ = false;
    Repeating poll_;
    Later watchdog_;
};

// A main window on its own temporary folders; message boxes are recorded, external
// programs and folder dialogs are replaced.
class GuiTest : public ::testing::Test {
  protected:
    GuiTest();
    ~GuiTest() override;

    void OpenWindow();
    MainWindow& Window() { return session->Window(); }
    // Lets the window handle what is pending for a while.
    void Settle(int milliseconds = 50);
    std::string DebugLog() const;
    // Adds a job as the INI file or the editor would have left it.
    SyncJob& AddJob(const std::string& title, std::uint8_t active);

    TempDir dir;
    RecordingDialogs recorded;
    WxUserDialogs dialogs{recorded};
    NullSyncDisplay startDisplay;
    NullEventPump startPump;
    Program program{dialogs, startDisplay, startPump};
    WindowServices services;
    std::vector<std::string> opened;
    std::string chosenFolder;
    std::string chosenSaveFile;
    bool shiftDown = false;
    std::unique_ptr<WindowSession> session;
};

}  // namespace quorvex::test
