#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/statusbr.h>

#include "GuiTestSupport.h"
#include "ui/wx/WxText.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

class MainWindowLayoutTest : public GuiTest {
  protected:
    // Clicks the middle of the last tab's label as the tabs' current font measures it, in
    // the pixels of the screen.
    void ClickLastTab(TabbedPages& pages) {
        const wxString labels[] = {"1. Jobs", "2. Optionen", "3. Expertenmodus", "4. Statistik",
                                   ToWx("- Info über -")};
        wxClientDC dc(&pages);
        dc.SetFont(pages.GetFont());
        const int padding = 2 * pages.FromDIP(8);
        int x = pages.FromDIP(2);
        for (int index = 0; index < 4; ++index) {
            x += dc.GetTextExtent(labels[index]).x + padding;
        }
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetPosition(wxPoint(x + (dc.GetTextExtent(labels[4]).x + padding) / 2,
                                  pages.FromDIP(TabbedPages::kTabHeight) / 2));
        click.SetEventObject(&pages);
        pages.GetEventHandler()->ProcessEvent(click);
    }
};

// The layout is given for a screen at 96 DPI and scales with the screen's DPI.
TEST_F(MainWindowLayoutTest, TheWindowHasItsTitleSizePlaceAndFiveStatusFields) {
    OpenWindow();
    MainWindow& window = Window();
    EXPECT_EQ(Text(window.GetTitle()), "Quorvex v2.5");
    EXPECT_TRUE(window.IsShown());
    wxStatusBar* bar = window.GetStatusBar();
    EXPECT_EQ(window.GetClientSize().x, window.FromDIP(400));
    EXPECT_EQ(window.GetClientSize().y + bar->GetSize().y, window.FromDIP(570));
    EXPECT_FALSE(window.HasFlag(wxRESIZE_BORDER));
    const int screenWidth = wxSystemSettings::GetMetric(wxSYS_SCREEN_X);
    EXPECT_EQ(window.GetPosition().x, (screenWidth - window.FromDIP(800)) / 2);

    ASSERT_EQ(bar->GetFieldsCount(), 5);
    const int widths[] = {230, 170, 133, 133, 134};
    for (int field = 0; field < 5; ++field) {
        EXPECT_EQ(bar->GetStatusWidth(field), window.FromDIP(widths[field]));
    }
    EXPECT_NE(Text(bar->GetStatusText(1)).find("Quorvex-Team"), std::string::npos);
    EXPECT_EQ(Text(bar->GetStatusText(3)), "forum.quorvex.invalid");

    EXPECT_EQ(window.Logo()->Bitmap().GetSize(), window.FromDIP(wxSize(380, 55)));
    EXPECT_EQ(window.Logo()->GetPosition(), window.FromDIP(wxPoint(10, 5)));
    EXPECT_EQ(window.GetFont().GetPointSize(), 8);
    EXPECT_EQ(window.RunButton()->GetFont().GetPointSize(), 9);
    EXPECT_EQ(window.RunButton()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(window.Info().Text()->GetFont().GetPointSize(), 7);
}

TEST_F(MainWindowLayoutTest, ButtonsAndPagesCarryTheirLabelsIdsAndTooltips) {
    OpenWindow();
    MainWindow& window = Window();
    EXPECT_EQ(window.RunButton()->GetId(), kRunButtonId);
    EXPECT_EQ(window.PreviewButton()->GetId(), kPreviewButtonId);
    EXPECT_EQ(Text(window.RunButton()->GetLabel()), "START!");
    EXPECT_EQ(Text(window.PreviewButton()->GetLabel()), "Vorschau");
    EXPECT_EQ(Text(window.BatchButton()->GetLabel()), "Batchfile anlegen");
    EXPECT_EQ(Text(window.MoreButton()->GetLabel()), "Mehr >>");
    EXPECT_EQ(window.RunButton()->GetRect(),
              wxRect(window.FromDIP(wxPoint(10, 510)), window.FromDIP(wxSize(100, 30))));
    EXPECT_EQ(Text(window.RunButton()->GetToolTipText()), "Starten Sie hier die Syncronisation!");
    EXPECT_EQ(Text(window.Jobs().DeleteButton()->GetToolTipText()),
              "Syncronisations-Job entfernen. Gedrückte SHIFT-Taste löscht komplete Liste");
    EXPECT_EQ(Text(window.Expert().TimeDifference()->GetToolTipText()),
              "Geben Sie hier eine Zeitdifferenz ein, die beim Datumvergleich nicht "
              "berücksichtigt wird. Üblicherweise bei NTFS (2 Sekunden)");
    EXPECT_EQ(window.Pages().PageCount(), 5);
    EXPECT_EQ(window.Pages().GetSelection(), kJobsPageIndex);
    EXPECT_EQ(window.Jobs().List()->GetColumnCount(), 2);
    EXPECT_EQ(window.Jobs().List()->GetColumnWidth(0), window.FromDIP(220));
    EXPECT_EQ(window.Jobs().List()->GetColumnWidth(1), window.FromDIP(115));
    EXPECT_EQ(Text(window.Info().Text()->GetValue().Left(14)), "\nQuorvex v2.5\n");
}

TEST_F(MainWindowLayoutTest, TabsFollowTheirFont) {
    OpenWindow();
    TabbedPages& pages = Window().Pages();
    ClickLastTab(pages);
    EXPECT_EQ(pages.GetSelection(), kInfoPageIndex);
    pages.SetSelection(kJobsPageIndex);
    pages.SetFont(pages.GetFont().Scaled(2.0f));
    ClickLastTab(pages);
    EXPECT_EQ(pages.GetSelection(), kInfoPageIndex);
}

TEST_F(MainWindowLayoutTest, InitialStatesFollowTheSettings) {
    program.settings.Logging = 0;
    program.settings.SaveDrives = "/media/daten";
    program.settings.Priority = 100;
    program.settings.UTC_Time = 2;
    program.settings.LongTerm = 1;
    program.settings.LongTermMinutes = 45;
    program.settings.LogfileDir = "/var/log/quorvex/";
    OpenWindow();
    OptionsPage& options = Window().Options();
    EXPECT_FALSE(options.Logging()->GetValue());
    EXPECT_FALSE(options.SecureLog()->IsEnabled());
    EXPECT_FALSE(options.HistoryLogs()->IsEnabled());
    EXPECT_FALSE(options.LongTerm()->GetValue());  // always unticked at start-up
    EXPECT_FALSE(options.Minutes()->IsEnabled());
    EXPECT_EQ(Text(options.Minutes()->GetValue()), "45");
    EXPECT_TRUE(options.ProtectDrives()->GetValue());
    EXPECT_TRUE(options.Drives()->IsEnabled());
    EXPECT_TRUE(options.DrivesButton()->IsEnabled());
    EXPECT_EQ(Text(options.Drives()->GetValue()), "/media/daten");

    ExpertPage& expert = Window().Expert();
    EXPECT_EQ(expert.Priority()->GetSelection(), wxNOT_FOUND);
    EXPECT_TRUE(expert.UtcCorrection()->GetValue());
    EXPECT_EQ(Text(expert.TimeDifference()->GetValue()), "2");
    EXPECT_EQ(Text(expert.LogFolder()->GetValue()), "/var/log/quorvex/");
    EXPECT_TRUE(expert.DateCheck()->GetValue());
}

TEST_F(MainWindowLayoutTest, WithoutProtectedDrivesTheirFieldAndButtonStartDisabled) {
    OpenWindow();
    OptionsPage& options = Window().Options();
    EXPECT_FALSE(options.ProtectDrives()->GetValue());
    EXPECT_FALSE(options.Drives()->IsEnabled());
    EXPECT_FALSE(options.DrivesButton()->IsEnabled());
    EXPECT_EQ(Window().Expert().Priority()->GetSelection(), 1);  // normal
}

TEST_F(MainWindowLayoutTest, EmptyStatisticsFieldsHaveGreyCaptions) {
    OpenWindow();
    StatisticsPage& statistics = Window().Statistics();
    EXPECT_FALSE(statistics.Caption(StatField::SourceFiles)->IsEnabled());
    session->Display().SetStatisticsField(StatField::SourceFiles, "1.234");
    session->Display().RefreshStatisticsLabels();
    EXPECT_TRUE(statistics.Caption(StatField::SourceFiles)->IsEnabled());
    EXPECT_FALSE(statistics.Caption(StatField::DeleteErrors)->IsEnabled());
    EXPECT_EQ(Text(statistics.Caption(StatField::DeleteErrors)->GetLabel()), "Fehler beim löschen");
}

}  // namespace
}  // namespace quorvex::test
