#include <wx/settings.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "platform/Ticks.h"
#include "support/FakeClock.h"
#include "ui/wx/PauseWindow.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

class EventPumpTest : public GuiTest {
  protected:
    EventPumpTest() {
        OpenWindow();
        session->Pump().FlushAll();
    }
    // Polls until something meaningful arrives or the time is up.
    PumpEvent PollFor(int milliseconds) {
        const Ticks start = TickCount();
        while (TicksSince(start, TickCount()) < milliseconds) {
            const PumpEvent event = session->Pump().PollOne();
            if (event != PumpEvent::None && event != PumpEvent::Other) {
                return event;
            }
            if (event == PumpEvent::None) {
                session->Pump().DispatchOne();
                SleepMilliseconds(1);
            }
        }
        return PumpEvent::None;
    }
};

TEST_F(EventPumpTest, KeysButtonsAndTheCloseBoxReachARunningJob) {
    BusyScope busy(Window().Gate());
    Window().Raise();
    Window().Jobs().List()->SetFocus();
    Settle(100);
    wxUIActionSimulator user;
    user.Char(WXK_ESCAPE);
    EXPECT_EQ(PollFor(1000), PumpEvent::EscapeKey);
    user.Char(WXK_PAUSE);
    EXPECT_EQ(PollFor(1000), PumpEvent::PauseKey);
    user.MouseMove(Window().RunButton()->GetScreenRect().GetPosition() + wxPoint(20, 10));
    user.MouseClick();
    EXPECT_EQ(PollFor(1000), PumpEvent::RunButton);
    user.MouseMove(Window().PreviewButton()->GetScreenRect().GetPosition() + wxPoint(20, 10));
    user.MouseClick();
    EXPECT_EQ(PollFor(1000), PumpEvent::PreviewButton);
    Later closeBox(10, [this]() { Window().Close(); });
    EXPECT_EQ(PollFor(1000), PumpEvent::CloseRequest);
    EXPECT_TRUE(Window().IsShown());  // closing during a run does not close
    EXPECT_FALSE(Window().CloseRequested());
}

TEST_F(EventPumpTest, AFullyLockedWindowStillHearsEscape) {
    BusyScope busy(Window().Gate());
    Window().Raise();
    wxUIActionSimulator user;
    user.MouseMove(Window().GetScreenRect().GetPosition() + wxPoint(200, 300));
    Window().RunButton()->SetFocus();
    Settle(100);
    Window().LockControls(true);  // the focused button goes grey, as in long-term mode
    Settle(100);
    ASSERT_NE(wxWindow::FindFocus(), nullptr);
    EXPECT_TRUE(wxWindow::FindFocus()->IsEnabled());
    user.Char(WXK_ESCAPE);
    EXPECT_EQ(PollFor(1000), PumpEvent::EscapeKey);
}

TEST_F(EventPumpTest, TheSecondClickOfADoubleClickOnStartOrPreviewIsNoStopOrPause) {
    FakeClock clock;
    Clock* const kept = program.clock;
    program.clock = &clock;
    std::vector<PumpEvent> heard;
    const auto poll = [&]() {
        PumpEvent event = PumpEvent::Other;
        for (int tries = 0; tries < 1000 && event == PumpEvent::Other; ++tries) {
            event = session->Pump().PollOne();
        }
        heard.push_back(event);
    };
    Window().Services().run = [&](RunKind kind) {
        wxButton* button = kind == RunKind::Sync ? Window().RunButton() : Window().PreviewButton();
        clock.Advance(300);
        Click(button);
        poll();
        clock.Advance(300);
        Click(button);
        poll();
    };
    Click(Window().RunButton());
    Click(Window().PreviewButton());
    program.clock = kept;
    EXPECT_EQ(heard, (std::vector<PumpEvent>{PumpEvent::None, PumpEvent::RunButton, PumpEvent::None,
                                             PumpEvent::PreviewButton}));
}

TEST_F(EventPumpTest, WithNothingPendingAPollReturnsAtOnce) {
    session->Pump().FlushAll();
    const Ticks start = TickCount();
    int polls = 0;
    while (session->Pump().PollOne() != PumpEvent::None && polls < 1000) {
        ++polls;
    }
    EXPECT_LT(polls, 1000);
    EXPECT_LT(TicksSince(start, TickCount()), 200);
}

TEST_F(EventPumpTest, WhileBusyTheControlsDoNotActButAnEscapeOutlastsAFlush) {
    AddJob("eins", 2);
    Window().RedrawJobList();
    {
        BusyScope busy(Window().Gate());
        shiftDown = true;
        recorded.yesNoAnswers = {true};
        Click(Window().Jobs().DeleteButton());
        SetTicked(Window().Options().AutoExit(), true);
        wxCommandEvent escape(wxEVT_MENU, kEscapeCommand);
        Window().ProcessWindowEvent(escape);
        session->Pump().FlushAll();
        EXPECT_EQ(session->Pump().PollOne(), PumpEvent::EscapeKey);
        EXPECT_EQ(PollFor(100), PumpEvent::None);
    }
    EXPECT_EQ(program.jobs.Count(), 1u);
    EXPECT_TRUE(recorded.questions.empty());
    EXPECT_EQ(program.settings.AutoExit, 0);
}

TEST_F(EventPumpTest, TheCloseBoxWhileIdleEndsTheMainLoop) {
    EXPECT_TRUE(session->MainLoopPass());
    Window().Close();
    bool running = true;
    for (int pass = 0; pass < 200 && running; ++pass) {
        running = session->MainLoopPass();
    }
    EXPECT_FALSE(running);
    EXPECT_TRUE(Window().CloseRequested());
}

TEST_F(EventPumpTest, ThePauseWindowCountsTheSecondsUntilFortsetzen) {
    BusyScope busy(Window().Gate());
    std::vector<std::string> clock;
    std::string title;
    wxSize clientSize;
    wxPoint position;
    bool runButtonsEnabled = true;
    bool tipsWhilePaused = true;
    PauseWindow* pause = nullptr;
    const auto find = [&pause]() {
        pause = dynamic_cast<PauseWindow*>(wxWindow::FindWindowByName(PauseWindow::kWindowName));
        return pause != nullptr;
    };
    Later early(500, [&]() {
        ASSERT_TRUE(find());
        clock.push_back(Text(pause->Clock()->GetLabel()));
        title = Text(pause->GetTitle());
        clientSize = pause->ToDIP(pause->GetClientSize());
        position = pause->GetPosition();
        runButtonsEnabled =
            Window().RunButton()->IsEnabled() || Window().PreviewButton()->IsEnabled();
        tipsWhilePaused = Window().RunButton()->GetToolTip() != nullptr;
        wxUIActionSimulator().Char(WXK_ESCAPE);  // lost while paused
    });
    Later second(1600, [&]() {
        ASSERT_TRUE(find());
        clock.push_back(Text(pause->Clock()->GetLabel()));
    });
    Later third(2600, [&]() {
        ASSERT_TRUE(find());
        clock.push_back(Text(pause->Clock()->GetLabel()));
        Click(pause->ResumeButton());
    });
    const Ticks start = TickCount();
    session->Pump().HoldPause();
    EXPECT_GE(TicksSince(start, TickCount()), 2500);
    EXPECT_EQ(clock, (std::vector<std::string>{"", "00:00:01", "00:00:02"}));
    EXPECT_EQ(title, "Pause");
    // The title fits beside a window manager's buttons in the narrow title bar.
    const wxFont titleFont = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold();
    int titleWidth = 0;
    Window().GetTextExtent(wxString::FromUTF8(title), &titleWidth, nullptr, nullptr, nullptr,
                           &titleFont);
    EXPECT_LE(Window().ToDIP(titleWidth) + 2 * 24, 120);
    EXPECT_EQ(clientSize, wxSize(120, 60));
    const wxPoint corner = Window().GetPosition();
    EXPECT_EQ(position.x, corner.x + Window().FromDIP(400 - 120) / 2);
    // Without a window manager the toolkit allows for a title bar it guesses.
    EXPECT_NEAR(position.y, corner.y + Window().FromDIP(570) / 2, 30);
    EXPECT_FALSE(runButtonsEnabled);
    EXPECT_FALSE(tipsWhilePaused);
    EXPECT_TRUE(Window().RunButton()->IsEnabled());
    EXPECT_TRUE(Window().PreviewButton()->IsEnabled());
    EXPECT_EQ(PollFor(100), PumpEvent::None);  // the ESC pressed during the pause is gone
    Settle(50);
    EXPECT_EQ(wxWindow::FindWindowByName(PauseWindow::kWindowName), nullptr);
    EXPECT_NE(Window().RunButton()->GetToolTip(), nullptr);
}

}  // namespace
}  // namespace quorvex::test
