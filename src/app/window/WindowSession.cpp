#include "app/window/WindowSession.h"

#include <wx/app.h>

#include "app/StartupSteps.h"
#include "app/UpdateCheck.h"
#include "config/ProductInfo.h"
#include "platform/Process.h"
#include "run/LongTermLoop.h"
#include "run/RunDriver.h"
#include "ui/EngineThread.h"

namespace quorvex {

namespace {

constexpr int kIdleWait = 50;
// How long the window's thread waits for an event while a run works: the run's texts
// and bars reach the window at least this often.
constexpr int kServeWait = 25;

}  // namespace

WindowSession::WindowSession(Program& program, WxUserDialogs& dialogs)
    : program_(program), dialogs_(dialogs) {}

WindowSession::~WindowSession() {
    Close();
}

bool WindowSession::Open(WindowServices services) {
    const bool ownRun = !services.run;
    if (ownRun) {
        services.run = [this](RunKind kind) {
            RunOnEngineThread([this, kind]() { RunAndKeepStatus(program_, kind); });
        };
    }
    if (!services.longTermLoop) {
        services.longTermLoop = [this]() {
            return LongTermLoop(program_, window_->LongTermMinutesText());
        };
    }
    if (!services.updateCheck) {
        services.updateCheck = [this, open = services.openExternal]() {
            UpdateCheck(program_, UpdateCheckServices{open ? open : RunExternal, DownloadLimits()});
        };
    }
    if (!toolkit_.Start()) {
        ReportNoWindow(program_);
        return false;
    }
    loop_ = std::make_unique<wxGUIEventLoop>();
    activation_ = std::make_unique<wxEventLoopActivator>(loop_.get());
    previousDisplay_ = program_.display;
    previousPump_ = program_.pump;
    services_ = std::move(services);
    // A run that starts at once starts before the window is built: building it then
    // overlaps the run's first files.
    if (!IsOn(program_.settings.AutoStart) || !ownRun) {
        EnsureWindow();
    }
    return true;
}

void WindowSession::BuildWindow() {
    window_ = new MainWindow(program_, std::move(services_));
    program_.log.Debug("Fenster erstellt");
    pump_ = std::make_unique<WxEventPump>(*window_);
    display_ = std::make_unique<WxSyncDisplay>(*window_, *pump_);
    dialogs_.UseWindows(window_);
    if (program_.settings.WindowHidden == 0) {
        window_->Show();
    }
    display_->RefreshStatisticsLabels();
    // A run that starts at once draws the window as it begins, on the page it shows.
    if (!IsOn(program_.settings.AutoStart)) {
        pump_->FlushAll();
    }
    if (IsOn(program_.settings.Systray)) {
        // Shown from the start; the window stays, the first run's end removes the icon.
        display_->AddTrayIcon(kProductTitle);
        program_.log.Debug("Systray-Symbol erstellt");
    }
}

void WindowSession::EnsureWindow() {
    if (window_ == nullptr) {
        BuildWindow();
        program_.display = display_.get();
        program_.pump = pump_.get();
    }
}

MainWindow& WindowSession::Window() {
    EnsureWindow();
    return *window_;
}

WxEventPump& WindowSession::Pump() {
    EnsureWindow();
    return *pump_;
}

WxSyncDisplay& WindowSession::Display() {
    EnsureWindow();
    return *display_;
}

void WindowSession::RunJobs() {
    if (window_ == nullptr) {
        RunOnEngineThread([this]() { RunAndKeepStatus(program_, RunKind::Sync); });
        return;
    }
    const WindowServices& services = window_->Services();
    if (services.run) {
        RunBusy([&services]() { services.run(RunKind::Sync); });
    }
}

void WindowSession::RunBusy(const std::function<void()>& work) {
    BusyScope busy(Window().Gate());
    work();
}

void WindowSession::RunOnEngineThread(const std::function<void()>& work) {
    EngineThread engine(
        program_, display_.get(), pump_.get(), []() { wxWakeUpIdle(); }, work);
    if (window_ == nullptr) {
        BuildWindow();
        engine.Attach(*display_, *pump_);
    }
    BusyScope busy(window_->Gate());
    const auto serve = [this, &engine]() { engine.Serve(window_->Gate().TakeRecorded()); };
    while (!engine.Ended()) {
        pump_->DispatchOne(kServeWait, serve);
    }
    engine.Finish(*display_, *pump_);
}

bool WindowSession::MainLoopPass() {
    EnsureWindow();
    program_.clock->Wait(1);
    HandlerGate& gate = window_->Gate();
    gate.TakeHandled();
    // An idle window waits for its next event instead of waking a thousand times a second.
    pump_->DispatchOne(kIdleWait);
    if (gate.TakeHandled()) {
        display_->RefreshStatisticsLabels();
        pump_->FlushAll();
    }
    const Settings& settings = program_.settings;
    return !window_->CloseRequested() && !program_.endAtOnce && settings.ExitAfterRun == 0 &&
           settings.WindowHidden == 0;
}

void WindowSession::RunMainLoop() {
    while (MainLoopPass()) {
    }
}

void WindowSession::Close() {
    if (window_ != nullptr) {
        program_.display = previousDisplay_;
        program_.pump = previousPump_;
        dialogs_.UseFallback();
        display_.reset();
        pump_.reset();
        window_->Destroy();
        window_ = nullptr;
        if (wxTheApp != nullptr) {
            wxTheApp->ProcessIdle();
        }
    }
    activation_.reset();
    loop_.reset();
}

}  // namespace quorvex
