#include "GuiTestSupport.h"
#include "run/ChangeTree.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

class RunDisplayTest : public GuiTest {
  protected:
    RunDisplayTest() { OpenWindow(); }
    SyncDisplay& Display() { return *program.display; }
};

TEST_F(RunDisplayTest, TheRunWritesStatusFramesBarsTitleAndStatusBar) {
    Display().SetStatusText(0, "Kopiere...");
    Display().SetStatusText(1, "Dauer: 00:00:05");
    Display().SetFileStatus("/quelle/vorher.txt");
    Display().SetFileStatus("/quelle/Bücher/Übersicht.txt");  // shows a moment later
    Display().SetFileProgress(40);
    Display().SetJobStatus("/quelle/ -> /ziel/");
    Display().SetJobProgress(150);
    Display().SetWindowTitle("Quorvex v2.5 - läuft");
    Display().SetStatisticsField(StatField::BytesCopied, "1.024");
    Settle(3 * PacedWrites::kInterval);
    EXPECT_EQ(Text(Window().GetStatusBar()->GetStatusText(0)), "Kopiere...");
    EXPECT_EQ(Text(Window().GetStatusBar()->GetStatusText(1)), "Dauer: 00:00:05");
    EXPECT_EQ(Text(Window().FileStatus().Text()), "/quelle/Bücher/Übersicht.txt");
    EXPECT_EQ(Window().FileStatus().Bar()->Percent(), 40);
    EXPECT_EQ(Text(Window().JobStatus().Text()), "/quelle/ -> /ziel/");
    EXPECT_EQ(Window().JobStatus().Bar()->Percent(), 100);
    EXPECT_EQ(Text(Window().GetTitle()), "Quorvex v2.5 - läuft");
    EXPECT_EQ(Text(Window().Statistics().Field(StatField::BytesCopied)->GetValue()), "1.024");
    EXPECT_EQ(Text(Window().FileStatus().Bar()->GetToolTipText()),
              "Der Balken zeigt den Fortschritt der aktuellen Datei.");
}

// A run changes its bars and status texts far faster than they are drawn; whatever came
// last is drawn once the pace allows.
TEST_F(RunDisplayTest, PacedBarsAndStatusFieldsDrawTheLastValue) {
    ColourBar* bar = Window().FileStatus().Bar();
    wxStatusBar* status = Window().GetStatusBar();
    Settle(2 * PacedWrites::kInterval);
    int barDrawn = -1;
    std::string statusDrawn;
    bar->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
        barDrawn = bar->Percent();
        event.Skip();
    });
    status->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
        statusDrawn = Text(status->GetStatusText(0));
        event.Skip();
    });
    for (int percent = 1; percent <= 100; ++percent) {
        Display().SetFileProgress(percent);
        Display().SetStatusText(0, "Datei " + std::to_string(percent));
    }
    Settle(3 * PacedWrites::kInterval);
    EXPECT_EQ(barDrawn, 100);
    EXPECT_EQ(statusDrawn, "Datei 100");
}

TEST_F(RunDisplayTest, ChangeRowsBecomeAThreeLevelTree) {
    Display().ClearChangeTree();
    ShowChangeTree(Display(), {"Job #1: A|Neue Datei|x.txt", "Job #1: A|Neue Datei|y.txt",
                               "Job #2: B|Datum|z.txt"});
    wxTreeCtrl* tree = Window().Changes().Tree();
    const wxTreeItemId root = tree->GetRootItem();
    ASSERT_EQ(tree->GetChildrenCount(root, false), 2u);
    wxTreeItemIdValue cookie;
    const wxTreeItemId firstJob = tree->GetFirstChild(root, cookie);
    EXPECT_EQ(Text(tree->GetItemText(firstJob)), "Job #1: A");
    EXPECT_EQ(tree->GetChildrenCount(firstJob, true), 3u);
    Display().ClearChangeTree();
    EXPECT_EQ(tree->GetChildrenCount(root, true), 0u);
}

TEST_F(RunDisplayTest, LockingDisablesTheControlsAndUnlockingFollowsTheSettings) {
    program.settings.LongTerm = 0;
    program.settings.ProtectDrives = 1;
    ASSERT_FALSE(Window().Pages().Built(kOptionsPageIndex)) << "first built while locked";
    Display().LockControls(true);
    Display().SetRunButtonLabels("STOP!", "Pause");
    EXPECT_FALSE(Window().Jobs().List()->IsEnabled());
    EXPECT_FALSE(Window().Options().Logging()->IsEnabled());
    EXPECT_FALSE(Window().Expert().Priority()->IsEnabled());
    EXPECT_FALSE(Window().MoreButton()->IsEnabled());
    EXPECT_FALSE(Window().BatchButton()->IsEnabled());
    EXPECT_TRUE(Window().RunButton()->IsEnabled());
    EXPECT_EQ(Text(Window().RunButton()->GetLabel()), "STOP!");
    EXPECT_EQ(Text(Window().PreviewButton()->GetLabel()), "Pause");

    Display().LockControls(false);
    Display().SetRunButtonLabels("START!", "Vorschau");
    EXPECT_TRUE(Window().Jobs().AddButton()->IsEnabled());
    EXPECT_TRUE(Window().Expert().LogFolderButton()->IsEnabled());
    EXPECT_FALSE(Window().Options().Minutes()->IsEnabled());
    EXPECT_TRUE(Window().Options().Drives()->IsEnabled());
    EXPECT_EQ(Text(Window().RunButton()->GetLabel()), "START!");
}

TEST_F(RunDisplayTest, TheRunSwitchesPagesAndNeverLosesTheWindow) {
    EXPECT_FALSE(Window().Pages().Built(kInfoPageIndex)) << "pages are built when needed";
    Display().ShowPage(kStatisticsPageIndex);
    EXPECT_EQ(Window().Pages().GetSelection(), kStatisticsPageIndex);
    EXPECT_TRUE(Window().Statistics().IsShown());
    EXPECT_FALSE(Window().Jobs().IsShown());
    Display().ShowPage(kInfoPageIndex);  // built on the way
    EXPECT_TRUE(Window().Info().IsShown());
    EXPECT_FALSE(Window().Statistics().IsShown());
    Display().ShowPage(kStatisticsPageIndex);
    Display().ShowMainWindow(ShowState::Hide);  // without a tray icon: minimised, not hidden
    Settle();
    EXPECT_TRUE(Window().IsShown());
    Display().ShowMainWindow(ShowState::Normal);
    Settle();
    EXPECT_TRUE(Window().IsShown());
    EXPECT_FALSE(Window().IsIconized());
}

}  // namespace
}  // namespace quorvex::test
