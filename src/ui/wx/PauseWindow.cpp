#include "ui/wx/PauseWindow.h"

#include "platform/TerminationSignals.h"
#include "platform/TextFormat.h"
#include "ui/wx/MainWindow.h"
#include "ui/wx/WxEventPump.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 60;
constexpr int kClockRefresh = 1000;
constexpr int kIdleWait = 20;  // well below the clock's one second
// Short enough for the title bar of a window 120 pixels wide.
constexpr const char* kTitle = "Pause";

// Centred horizontally on the main window, its top edge at the main window's middle.
wxPoint PausePosition(MainWindow& owner) {
    const wxPoint corner = owner.GetPosition();
    const wxSize client = owner.GetClientSize();
    const int clientHeight = client.y + owner.GetStatusBar()->GetSize().y;
    return wxPoint(corner.x + (client.x - owner.FromDIP(kWidth)) / 2, corner.y + clientHeight / 2);
}

}  // namespace

PauseWindow::PauseWindow(MainWindow& owner)
    : wxDialog(&owner, wxID_ANY, kTitle, PausePosition(owner), wxDefaultSize, wxCAPTION,
               kWindowName) {
    SetClientSize(FromDIP(wxSize(kWidth, kHeight)));
    SetFont(owner.GetFont());
    clock_ = new wxStaticText(this, wxID_ANY, wxString(), FromDIP(wxPoint(5, 10)),
                              FromDIP(wxSize(kWidth - 10, 20)),
                              wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    resume_ = new wxButton(this, wxID_ANY, "Fortsetzen", FromDIP(wxPoint(5, kHeight - 25)),
                           FromDIP(wxSize(kWidth - 10, 20)), wxBORDER_NONE);
    resume_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { resumed_ = true; });
    // No close box: only "Fortsetzen" ends the pause.
    Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
        if (event.CanVeto()) {
            event.Veto();
        }
    });
}

void PauseWindow::ShowElapsed(int milliseconds) {
    clock_->SetLabel(ToWx(FormatDuration(milliseconds)));
}

void HoldInPauseWindow(MainWindow& window, WxEventPump& pump) {
    auto* pause = new PauseWindow(window);
    window.EnableRunButtons(false);
    pause->Show();
    Clock& clock = *window.Context().program.clock;
    const Ticks start = clock.TicksNow();
    Ticks lastRefresh = start;
    // A request to end the process ends the pause too, so that the run can abort.
    while (!pause->Resumed() && !TerminationRequested()) {
        const Ticks now = clock.TicksNow();
        if (TicksSince(lastRefresh, now) > kClockRefresh) {
            pause->ShowElapsed(TicksSince(start, now));
            lastRefresh = now;
        }
        pump.DispatchOne(kIdleWait);
    }
    window.TakeRecorded();
    pause->Destroy();
    window.EnableRunButtons(true);
    pump.FlushAll();
}

}  // namespace quorvex
