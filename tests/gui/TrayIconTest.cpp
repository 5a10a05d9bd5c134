#include <wx/app.h>

#include <algorithm>
#include <future>

#include "GuiTestSupport.h"
#include "platform/Ticks.h"
#include "support/FakeFileSystem.h"
#include "support/Process.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

// Source files that read slowly until released, so that a run lasts while the user clicks.
class SlowSource : public FakeFileSystem {
  public:
    std::unique_ptr<SourceFile> OpenFile(const std::string& path, bool* missing,
                                         std::string* err) override {
        if (slow) {
            SleepMilliseconds(5);
        }
        return FakeFileSystem::OpenFile(path, missing, err);
    }
    // The first thing a job does, after the run has set up its window.
    std::unique_ptr<TargetRoom> OpenTarget(const std::string& root, std::string* err) override {
        if (onJobStart) {
            onJobStart();
        }
        return FakeFileSystem::OpenTarget(root, err);
    }

    bool slow = true;
    std::function<void()> onJobStart;
};

// The run works on its own thread: a look at what it has shown so far, taken on the
// window's thread once the window has caught up with the run.
std::function<void()> OnWindowThread(Program& program, std::function<void()> look) {
    return [&program, look]() {
        program.pump->FlushAll();
        std::promise<void> looked;
        wxTheApp->CallAfter([&look, &looked]() {
            look();
            looked.set_value();
        });
        looked.get_future().wait();
    };
}

// A notification area on the test display: a small tray host's panel, which the icon
// docks into as into a desktop's.
class TrayHost {
  public:
    TrayHost()
        : panel_({"trayer", "--edge", "top", "--align", "left", "--widthtype", "request",
                  "--height", "40", "--SetDockType", "false", "--expand", "false"}) {
        const Ticks start = TickCount();
        while (!TrayIcon::TrayAvailable() && TicksSince(start, TickCount()) < 5000) {
            SleepMilliseconds(20);
        }
    }

    // The program's icon window docked in the panel, or the empty text while none is.
    static std::string IconWindow() {
        const ProcessResult found = RunProcess({"xdotool", "search", "--name", "^panel$"});
        const std::string panel = found.out.substr(0, found.out.find('\n'));
        if (panel.empty()) {
            return "";
        }
        const std::string tree = RunProcess({"xwininfo", "-tree", "-id", panel}).out;
        const std::size_t named = tree.find(" \"quorvex\": ");
        if (named == std::string::npos) {
            return "";
        }
        const std::size_t line = tree.rfind('\n', named) + 1;
        const std::size_t id = tree.find_first_not_of(' ', line);
        return tree.substr(id, tree.find(' ', id) - id);
    }
    // Clicks the docked icon: button 1 left, 3 right. A tool that hangs on a window being
    // docked anew gives up soon; the caller clicks again.
    static void Click(int button) {
        ProcessOptions options;
        options.timeoutSeconds = 5;
        RunProcess({"xdotool", "mousemove", "--window", IconWindow(), "8", "8", "click",
                    std::to_string(button)},
                   options);
    }

  private:
    StartedProcess panel_;
};

class TrayIconTest : public GuiTest {
  protected:
    TrayIconTest() {
        for (int i = 0; i < 1000; ++i) {
            files.AddFile("/quelle/datei" + std::to_string(i) + ".txt", "inhalt", 0);
        }
        files.AddFolder("/ziel");
        SyncJob& job = AddJob("Texte", 2);
        job.Source = "/quelle/";
        job.Target = "/ziel/";
        program.files = &files;
        services.run = nullptr;  // the real run driver
    }
    bool TrayShown() {
        const TrayIcon* tray = session->Display().Tray();
        return tray != nullptr && tray->Shown();
    }
    std::string TrayTooltip() {
        const TrayIcon* tray = session->Display().Tray();
        return tray != nullptr ? Text(tray->Tooltip()) : "";
    }
    // Waits, handling the window's events, until the condition holds or two seconds passed.
    bool Eventually(const std::function<bool()>& condition) {
        for (int i = 0; i < 40 && !condition(); ++i) {
            Settle(50);
        }
        return condition();
    }

    SlowSource files;
};

TEST_F(TrayIconTest, DuringARunTheWindowGivesWayToTheIconWhichClicksShowAndHide) {
    TrayHost host;
    ASSERT_TRUE(TrayIcon::TrayAvailable()) << "the tray host did not start";
    OpenWindow();
    SetTicked(Window().Options().Tray(), true);
    bool shownAtJobStart = true;
    std::string tooltipAtJobStart;
    files.onJobStart = OnWindowThread(program, [&]() {
        shownAtJobStart = Window().IsShown();
        tooltipAtJobStart = TrayTooltip();
    });
    // The user, once the icon is docked: a left click shows the window, a right one hides
    // it; the run goes on until the tooltip has shown the copy's progress.
    std::vector<std::string> steps;
    std::vector<std::string> tooltips;
    const auto showsProgress = [](const std::string& tip) {
        return tip.rfind("Quorvex v2.5 - Kopiere ", 0) == 0 && tip.back() == '%';
    };
    // A click that had no effect after a second is made again.
    Ticks clicked = 0;
    const auto clickAgainDue = [&clicked]() { return TicksSince(clicked, TickCount()) > 1000; };
    const auto click = [&clicked](int button) {
        TrayHost::Click(button);
        clicked = TickCount();
    };
    Repeating user(20, [&]() {
        const std::string tooltip = TrayTooltip();
        if (tooltips.empty() || tooltips.back() != tooltip) {
            tooltips.push_back(tooltip);
        }
        if (steps.empty() && !TrayHost::IconWindow().empty() && !Window().IsShown()) {
            steps.push_back("docked while hidden");
            click(1);
        } else if (steps.size() == 1 && Window().IsShown()) {
            steps.push_back("shown by the left click");
            click(3);
        } else if (steps.size() == 2 && !Window().IsShown()) {
            steps.push_back("hidden by the right click");
        } else if (steps.size() == 1 && clickAgainDue()) {
            click(1);
        } else if (steps.size() == 2 && clickAgainDue()) {
            click(3);
        }
        files.slow = steps.size() < 3 || !showsProgress(tooltip);
        return !files.slow;
    });
    Later watchdog(15000, [&]() { files.slow = false; });
    Click(Window().RunButton());

    EXPECT_FALSE(shownAtJobStart);
    EXPECT_EQ(tooltipAtJobStart, "Quorvex gestartet...");
    EXPECT_EQ(steps.size(), 3u) << ::testing::PrintToString(steps);
    EXPECT_NE(std::find_if(tooltips.begin(), tooltips.end(), showsProgress), tooltips.end())
        << ::testing::PrintToString(tooltips);
    EXPECT_TRUE(Window().IsShown());
    EXPECT_FALSE(TrayShown());
    EXPECT_TRUE(Eventually([]() { return TrayHost::IconWindow().empty(); }));
    EXPECT_EQ(files.Tree("/ziel/").size(), 1000u);
    EXPECT_TRUE(recorded.messages.empty());  // no "nothing changed" box behind the icon
}

TEST_F(TrayIconTest, FromStartUpTheIconShowsBesideTheWindowAndIgnoresClicksUntilARun) {
    TrayHost host;
    ASSERT_TRUE(TrayIcon::TrayAvailable()) << "the tray host did not start";
    program.settings.Systray = 1;  // -tray
    OpenWindow();
    ASSERT_TRUE(Eventually([]() { return !TrayHost::IconWindow().empty(); }));
    EXPECT_TRUE(Window().IsShown());
    EXPECT_EQ(TrayTooltip(), "Quorvex v2.5");
    EXPECT_NE(DebugLog().find("Systray-Symbol erstellt"), std::string::npos);
    TrayHost::Click(3);
    Settle(300);
    EXPECT_TRUE(Window().IsShown()) << "an idle right click hid the window";

    files.slow = false;
    std::string tooltipAtJobStart;
    files.onJobStart = OnWindowThread(program, [&]() { tooltipAtJobStart = TrayTooltip(); });
    Click(Window().RunButton());
    EXPECT_EQ(tooltipAtJobStart, "Quorvex gestartet...") << "the run takes over the icon";
    EXPECT_TRUE(Window().IsShown());
    EXPECT_FALSE(TrayShown());
    EXPECT_TRUE(Eventually([]() { return TrayHost::IconWindow().empty(); }));
    EXPECT_EQ(files.Tree("/ziel/").size(), 1000u);
}

TEST_F(TrayIconTest, WithoutATrayTheRunMinimisesButNeverHidesTheWindow) {
    ASSERT_FALSE(TrayIcon::TrayAvailable()) << "a tray host is still running";
    OpenWindow();
    SetTicked(Window().Options().Tray(), true);
    files.slow = false;
    bool shownAtJobStart = false;
    files.onJobStart = OnWindowThread(program, [&]() { shownAtJobStart = Window().IsShown(); });
    Click(Window().RunButton());
    EXPECT_TRUE(shownAtJobStart);
    EXPECT_TRUE(Window().IsShown());
    EXPECT_FALSE(Window().IsIconized());
}

}  // namespace
}  // namespace quorvex::test
