#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "app/window/WindowedProgram.h"
#include "config/ConfigFile.h"

namespace quorvex::test {
namespace {

MainWindow* FindMainWindow() {
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* main = dynamic_cast<MainWindow*>(window)) {
            return main;
        }
    }
    return nullptr;
}

// The program from its window to the saved configuration, the way a user ends it.
class WindowedProgramTest : public GuiTest {
  protected:
    WindowedProgramTest() {
        AddJob("Dokumente", 2);
        AddJob("Fotos", 0);
    }
    int Run() { return RunInWindow(program, dialogs, ConfigPath(), services); }
    std::string ConfigPath() const { return dir / "Quorvex.ini"; }
    std::string Saved() const { return PathExists(ConfigPath()) ? ReadFile(ConfigPath()) : ""; }
};

TEST_F(WindowedProgramTest, ATickedJobAndTheTypedOptionTextsAreSavedWhenTheWindowCloses) {
    // Acts once the main loop runs, however long a loaded machine takes to get there.
    int ticksAfterActing = -1;
    Repeating user(50, [this, &ticksAfterActing]() {
        MainWindow* window = FindMainWindow();
        if (window == nullptr) {
            return false;
        }
        if (ticksAfterActing >= 0) {
            if (++ticksAfterActing < 16) {
                return false;
            }
            window->Close();
            return true;
        }
        wxListCtrl* list = window->Jobs().List();
        if (std::string(window->GetStatusBar()->GetStatusText(0).utf8_str()) !=
                "Herzlich Willkommen bei Quorvex v2.5" ||
            list->GetItemCount() != 2) {
            return false;
        }
        wxRect row;
        EXPECT_TRUE(list->GetItemRect(1, row));
        wxUIActionSimulator mouse;
        mouse.MouseMove(list->ClientToScreen(wxPoint(row.x + 10, row.y + row.height / 2)));
        mouse.MouseClick();
        window->Expert().LogFolder()->ChangeValue(wxString::FromUTF8(dir / "getippt"));
        window->Expert().TimeDifference()->ChangeValue("7");
        ticksAfterActing = 0;
        return false;
    });
    EXPECT_EQ(Run(), kExitClean);
    EXPECT_EQ(FindMainWindow(), nullptr);

    Settings loaded = program.settings;
    JobList jobs;
    ASSERT_TRUE(LoadConfiguration(ConfigPath(), loaded, jobs, program.log));
    ASSERT_EQ(jobs.Count(), 2u);
    EXPECT_EQ(jobs.Select(0)->Active, 2);
    EXPECT_GE(jobs.Select(1)->Active, 2) << "the tick did not reach the saved job";
    const std::string saved = Saved();
    EXPECT_NE(saved.find("LogfileDir = " + dir / "getippt\r\n"), std::string::npos);
    EXPECT_NE(saved.find("NTFS_TimeDifference = 7\r\n"), std::string::npos);
    EXPECT_NE(DebugLog().find("MainLoop"), std::string::npos);
    EXPECT_NE(DebugLog().find("Programm beendet."), std::string::npos);
}

TEST_F(WindowedProgramTest, WithTheExpertPageNeverShownTheValuesInUseAreSaved) {
    program.settings.LogfileDir = dir / "in-gebrauch/";
    program.settings.NTFS_TimeDifference = 5;
    bool expertBuilt = true;
    Later closeBox(300, [&expertBuilt]() {
        expertBuilt = FindMainWindow()->Pages().Built(kExpertPageIndex);
        FindMainWindow()->Close();
    });
    EXPECT_EQ(Run(), kExitClean);
    EXPECT_FALSE(expertBuilt);
    const std::string saved = Saved();
    EXPECT_NE(saved.find("LogfileDir = " + dir / "in-gebrauch/" + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("NTFS_TimeDifference = 5\r\n"), std::string::npos);
}

TEST_F(WindowedProgramTest, AfterCommandLineUseNothingIsSaved) {
    program.settings.CommandLineGiven = 1;
    Later closeBox(300, []() { FindMainWindow()->Close(); });
    EXPECT_EQ(Run(), kExitClean);
    EXPECT_FALSE(PathExists(ConfigPath()));
}

TEST_F(WindowedProgramTest, TheCommandLineJobReplacesTheListAndStartsWhenAsked) {
    program.settings.CommandLineGiven = 1;
    program.settings.CmdSource = dir / "quelle/";
    program.settings.CmdTarget = dir / "ziel/";
    program.settings.AutoStart = 1;
    int runs = 0;
    bool busyDuringRun = false;
    bool builtWhenDrawn = false;
    int rowsShown = 0;
    services.run = [&](RunKind) {
        ++runs;
        MainWindow& window = *FindMainWindow();
        busyDuringRun = window.Gate().Busy();
        // The window is not drawn before a run from the command line, which shows the
        // statistics: no other page is built for it.
        for (const int page :
             {kJobsPageIndex, kOptionsPageIndex, kExpertPageIndex, kInfoPageIndex}) {
            EXPECT_FALSE(window.Pages().Built(page)) << page;
        }
        // Drawn on the first page instead (behind the box of a refused run), the window
        // builds the jobs page, with the job from the command line.
        const Ticks start = TickCount();
        while (!window.Pages().Built(kJobsPageIndex) && TicksSince(start, TickCount()) < 5000) {
            program.pump->WaitForEvent(10);
        }
        builtWhenDrawn = window.Pages().Built(kJobsPageIndex);
        rowsShown = window.Jobs().List()->GetItemCount();
        program.settings.ExitAfterRun = 1;
    };
    EXPECT_EQ(Run(), kExitClean);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(busyDuringRun);
    ASSERT_EQ(program.jobs.Count(), 1u);
    EXPECT_EQ(program.jobs.Select(0)->Source, dir / "quelle/");
    EXPECT_TRUE(builtWhenDrawn);
    EXPECT_EQ(rowsShown, 1);
    EXPECT_NE(DebugLog().find("Autostart!"), std::string::npos);
}

}  // namespace
}  // namespace quorvex::test
