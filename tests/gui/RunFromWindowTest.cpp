#include <fstream>
#include <optional>

#include "GuiTestSupport.h"
#include "platform/Ticks.h"
#include "ui/wx/PauseWindow.h"
#include "ui/wx/StatisticsWindow.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

long long FileSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    return file ? static_cast<long long>(file.tellg()) : -1;
}

StatisticsWindow* FindStatisticsWindow() {
    return dynamic_cast<StatisticsWindow*>(
        wxWindow::FindWindowByName(StatisticsWindow::kWindowName));
}

// Runs started with the window's own buttons on real folders.
class RunFromWindowTest : public GuiTest {
  protected:
    RunFromWindowTest() {
        MakeFolder(dir / "quelle");
        MakeFolder(dir / "quelle/unter");
        MakeFolder(dir / "ziel");
        WriteFile(dir / "quelle/a.txt", "eins");
        WriteFile(dir / "quelle/b.txt", "zwei");
        WriteFile(dir / "quelle/unter/c.txt", "drei");
        SyncJob& job = AddJob("Texte", 2);
        job.Source = dir / "quelle/";
        job.Target = dir / "ziel/";
        program.settings.LogfileDir = dir.path();
        program.settings.Logging = 1;
        services.run = nullptr;  // the real run driver
        OpenWindow();
        Window().RedrawJobList();
        Window().MoreButton()->SetValue(true);
        Settle();
    }
    // Closes the statistics window once it shows and remembers its caption.
    void CloseStatisticsWhenShown() {
        watcher = std::make_unique<Repeating>(20, [this]() {
            StatisticsWindow* window = FindStatisticsWindow();
            if (window == nullptr) {
                return false;
            }
            statisticsTitle = Text(window->GetTitle());
            statisticsRows = window->Table()->GetItemCount();
            Click(window->CloseButton());
            return true;
        });
    }
    std::vector<std::string> AddressFields() {
        std::vector<std::string> texts;
        for (int field = 2; field <= 4; ++field) {
            texts.push_back(Text(Window().GetStatusBar()->GetStatusText(field)));
        }
        return texts;
    }
    std::string Field(StatField field) {
        return Text(Window().Statistics().Field(field)->GetValue());
    }
    // A file of 512 MiB, so that its copy lasts while the user acts.
    void WriteLargeSource() {
        std::ofstream large(dir / "quelle/gross.bin", std::ios::binary);
        const std::string block(1 << 20, 'x');
        for (int i = 0; i < 512; ++i) {
            large << block;
        }
    }
    // Whether the run is in the middle of the large file.
    bool MidCopy() {
        const int percent = Window().FileStatus().Bar()->Percent();
        return percent > 0 && percent < 100;
    }
    int TreeNodes() {
        wxTreeCtrl* tree = Window().Changes().Tree();
        return static_cast<int>(tree->GetChildrenCount(tree->GetRootItem(), true));
    }

    std::unique_ptr<Repeating> watcher;
    std::string statisticsTitle;
    int statisticsRows = 0;
};

TEST_F(RunFromWindowTest, StartCopiesAndFillsTheStatisticsAndTheChangeTree) {
    CloseStatisticsWhenShown();
    const std::vector<std::string> addresses = AddressFields();
    Click(Window().RunButton());
    EXPECT_EQ(AddressFields(), addresses);  // the same short texts after the job
    EXPECT_EQ(ReadFile(dir / "ziel/unter/c.txt"), "drei");
    EXPECT_EQ(statisticsTitle, "Quorvex - Statistik");
    EXPECT_EQ(statisticsRows, 24);
    EXPECT_EQ(Field(StatField::SourceFiles), "3");
    EXPECT_EQ(Field(StatField::NewFiles), "3");
    EXPECT_EQ(Field(StatField::BytesCopied), "12");
    EXPECT_TRUE(Window().Statistics().Caption(StatField::SourceFiles)->IsEnabled());
    EXPECT_GE(TreeNodes(), 5);  // the job, its reasons and the three files
    EXPECT_EQ(Window().Pages().GetSelection(), kStatisticsPageIndex);
    EXPECT_EQ(Text(Window().RunButton()->GetLabel()), "START!");
    EXPECT_EQ(Text(Window().PreviewButton()->GetLabel()), "Vorschau");
    EXPECT_EQ(Text(Window().GetTitle()), "Quorvex v2.5");
    EXPECT_EQ(Text(Window().GetStatusBar()->GetStatusText(0)), "Bereit.");
    EXPECT_TRUE(Window().Options().Logging()->IsEnabled());
    EXPECT_TRUE(Window().Jobs().List()->IsEnabled());
    EXPECT_NE(program.jobs.Select(0)->LastRun, 0);
    EXPECT_TRUE(recorded.messages.empty());
    EXPECT_NE(DebugLog().find("Button: Start Sync..."), std::string::npos);

    Click(Window().RunButton());  // nothing left to do
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Es wurden keine Änderungen festgestellt.");
}

TEST_F(RunFromWindowTest, APreviewCopiesNothingAndShowsThePreviewStatistics) {
    CloseStatisticsWhenShown();
    Click(Window().PreviewButton());
    EXPECT_EQ(statisticsTitle, "Quorvex - Vorschau-Statistik");
    EXPECT_FALSE(PathExists(dir / "ziel/a.txt"));
    EXPECT_EQ(Field(StatField::NewFiles), "3");
    EXPECT_EQ(program.jobs.Select(0)->LastRun, 0);
    EXPECT_NE(DebugLog().find("Button: Preview"), std::string::npos);
}

TEST_F(RunFromWindowTest, ARefusedRunExplainsAndLeavesTheWindowAsItWas) {
    SetTicked(Window().Expert().DateCheck(), false);
    SetTicked(Window().Expert().ExistCheck(), false);
    SetTicked(Window().Expert().AttributeCheck(), false);
    Click(Window().RunButton());
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text,
              "Es wurden keine Vergleichsmethoden aktiviert. Vorgang abgebrochen");
    EXPECT_EQ(Window().Pages().GetSelection(), kExpertPageIndex);
    EXPECT_TRUE(Window().Jobs().List()->IsEnabled());
}

TEST_F(RunFromWindowTest, EscapeDuringALargeCopyAbortsTheRun) {
    WriteLargeSource();
    bool escapeSent = false;
    std::vector<std::string> seen;
    Repeating user(2, [&]() {
        const std::string status = Text(Window().GetStatusBar()->GetStatusText(0)) + " | " +
                                   Text(Window().FileStatus().Text());
        if (seen.empty() || seen.back() != status) {
            seen.push_back(status);
        }
        // The file's bar moves block by block, while its name waits for the next repaint.
        if (MidCopy()) {
            escapeSent = true;
            wxCommandEvent escape(wxEVT_MENU, kEscapeCommand);  // what the ESC key produces
            Window().ProcessWindowEvent(escape);
            return true;
        }
        return false;
    });
    CloseStatisticsWhenShown();  // only if the abort failed
    Click(Window().RunButton());
    ASSERT_TRUE(escapeSent) << ::testing::PrintToString(seen);
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Benutzer hat Operation abgebrochen");
    EXPECT_TRUE(program.run.abortRequested);
    EXPECT_FALSE(PathExists(dir / "ziel/gross.bin"));  // the unfinished copy is discarded
    EXPECT_EQ(statisticsTitle, "");
    EXPECT_NE(ReadFile(dir / "Quorvex.log").find("!!! "), std::string::npos);
    EXPECT_EQ(Text(Window().GetStatusBar()->GetStatusText(0)), "Bereit.");
    EXPECT_EQ(Text(Window().RunButton()->GetLabel()), "START!");
}

// PAUSE holds the run, which works on its own thread, in the pause window until
// "Fortsetzen"; then it goes on to its end.
TEST_F(RunFromWindowTest, PauseDuringALargeCopyHoldsTheRunUntilResumed) {
    WriteLargeSource();
    bool pauseSent = false;
    bool finishedWhilePaused = true;
    std::optional<Ticks> pausedSince;
    Repeating user(2, [&]() {
        if (!pauseSent && MidCopy()) {
            pauseSent = true;
            wxCommandEvent pause(wxEVT_MENU, kPauseCommand);  // what the PAUSE key produces
            Window().ProcessWindowEvent(pause);
            return false;
        }
        auto* pause =
            dynamic_cast<PauseWindow*>(wxWindow::FindWindowByName(PauseWindow::kWindowName));
        if (pause == nullptr) {
            return false;
        }
        if (!pausedSince) {
            pausedSince = TickCount();
        }
        if (TicksSince(*pausedSince, TickCount()) < 300) {
            return false;
        }
        finishedWhilePaused = PathExists(dir / "ziel/gross.bin");
        Click(pause->ResumeButton());
        return true;
    });
    CloseStatisticsWhenShown();
    Click(Window().RunButton());
    ASSERT_TRUE(pauseSent);
    ASSERT_TRUE(pausedSince.has_value()) << "no pause window";
    EXPECT_FALSE(finishedWhilePaused);
    EXPECT_FALSE(program.run.abortRequested);
    EXPECT_TRUE(recorded.messages.empty());
    EXPECT_EQ(FileSize(dir / "ziel/gross.bin"), 512LL << 20);
    EXPECT_FALSE(statisticsTitle.empty());
    EXPECT_EQ(Text(Window().RunButton()->GetLabel()), "START!");
}

// Periods out of range never start the loop: the start button refuses a period too long
// and resets the field, the loop itself refuses 0; either way nothing runs.
TEST_F(RunFromWindowTest, StartRefusesLongTermPeriodsOutOfRange) {
    OptionsPage& options = Window().Options();
    SetTicked(options.LongTerm(), true);
    options.Minutes()->ChangeValue("1441");
    Click(Window().RunButton());
    Settle();
    EXPECT_EQ(Text(options.Minutes()->GetValue()), "30");
    options.Minutes()->ChangeValue("0");
    Click(Window().RunButton());
    Settle();

    ASSERT_EQ(recorded.messages.size(), 3u);
    EXPECT_EQ(recorded.messages[0].text,
              "Dauerbetriebs-Zeit zu lang! Max 1440 Minuten (24 Stunden)");
    EXPECT_EQ(recorded.messages[1].text,
              "Dauerbetriebs-Zeit muss zwischen 0 und 1440 Minuten (24h) liegen!");
    EXPECT_EQ(recorded.messages[2].text, "Dauerbetrieb wurde eingestellt.");
    EXPECT_EQ(recorded.messages[2].icon, MessageIcon::Information);
    EXPECT_FALSE(PathExists(dir / "ziel/a.txt"));
    EXPECT_TRUE(Window().RunButton()->IsEnabled());
}

}  // namespace
}  // namespace quorvex::test
