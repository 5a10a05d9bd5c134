#pragma once

#include <wx/evtloop.h>

#include <functional>
#include <memory>

#include "app/window/Toolkit.h"
#include "program/Program.h"
#include "ui/wx/MainWindow.h"
#include "ui/wx/WxEventPump.h"
#include "ui/wx/WxSyncDisplay.h"
#include "ui/wx/WxUserDialogs.h"

namespace quorvex {

// The interactive part of the program: the toolkit, the main window and what a run
// writes to and pumps through. While it is open, the Program's display and pump are the
// window's (during a run, relays to them), and message boxes are windows.
class WindowSession {
  public:
    WindowSession(Program& program, WxUserDialogs& dialogs);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // Starts the toolkit and builds the main window with its initial states. When that
    // fails the user is told "Konnte Fenster nicht aufbauen!" and false comes back.
    // Without a run service of their own, the buttons start the run driver; a run that
    // starts at once then starts before the main window is built, when RunJobs comes.
    bool Open(WindowServices services);

    // Each builds the main window if it is not built yet.
    MainWindow& Window();
    WxEventPump& Pump();
    WxSyncDisplay& Display();

    // The run the command line started, through the run service.
    void RunJobs();

    // Work that pumps the window's events itself, such as the update check or the
    // long-term loop: the window's handlers only record what happens meanwhile.
    void RunBusy(const std::function<void()>& work);
    // Busy work without events of its own, such as a run: it goes on its own thread,
    // through relays to the window, while this thread keeps the window drawn and passes
    // on what the user does. Returns when the work has ended.
    void RunOnEngineThread(const std::function<void()>& work);

    // Dispatches the window's events until it is closed, ExitAfterRun is set or the
    // window is hidden (then after one pass).
    void RunMainLoop();
    // One pass of the main loop; false when the loop ends.
    bool MainLoopPass();

  private:
    void BuildWindow();
    void EnsureWindow();
    void Close();

    Program& program_;
    WxUserDialogs& dialogs_;
    Toolkit toolkit_;
    std::unique_ptr<wxGUIEventLoop> loop_;
    std::unique_ptr<wxEventLoopActivator> activation_;
    // Held from Open until the main window is built.
    WindowServices services_;
    MainWindow* window_ = nullptr;
    std::unique_ptr<WxSyncDisplay> display_;
    std::unique_ptr<WxEventPump> pump_;
    SyncDisplay* previousDisplay_ = nullptr;
    EventPump* previousPump_ = nullptr;
};

}  // namespace quorvex
