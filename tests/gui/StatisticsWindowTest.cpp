#include "GuiTestSupport.h"
#include "ui/wx/StatisticsWindow.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

class StatisticsWindowTest : public GuiTest {
  protected:
    StatisticsWindowTest() {
        OpenWindow();
        totals.newFiles = 3;
        totals.bytesCopied = 1048576;
        totals.jobTime = 3723000;
    }
    StatisticsWindow* Find() {
        return dynamic_cast<StatisticsWindow*>(
            wxWindow::FindWindowByName(StatisticsWindow::kWindowName));
    }
    // Shows the window; the action runs while it is open and must close it.
    void Show(bool preview, std::function<void(StatisticsWindow&)> action) {
        BusyScope busy(Window().Gate());
        Later user(300, [this, action]() {
            StatisticsWindow* window = Find();
            ASSERT_NE(window, nullptr);
            action(*window);
        });
        EXPECT_TRUE(ShowStatisticsWindow(&Window(), session->Pump(), totals, preview,
                                         [this]() { ++logOpened; }));
    }

    RunTotals totals;
    int logOpened = 0;
};

TEST_F(StatisticsWindowTest, ShowsTheTotalsAndOpensTheLogUntilSchliessen) {
    std::string title;
    std::vector<std::string> labels;
    std::vector<std::string> values;
    int width = 0;
    Show(false, [&](StatisticsWindow& window) {
        title = Text(window.GetTitle());
        width = window.ToDIP(window.GetClientSize().x);
        for (long row = 0; row < window.Table()->GetItemCount(); ++row) {
            labels.push_back(Text(window.Table()->GetItemText(row, 0)));
            values.push_back(Text(window.Table()->GetItemText(row, 1)));
        }
        Click(window.OpenLogButton());
        EXPECT_FALSE(window.Done());
        Click(window.CloseButton());
    });
    EXPECT_EQ(title, "Quorvex - Statistik");
    EXPECT_EQ(width, 300);
    ASSERT_EQ(labels.size(), 24u);
    EXPECT_EQ(labels[3], "Neue Dateien");
    EXPECT_EQ(values[3], "3");
    EXPECT_EQ(values[8], "1.024 kB");
    EXPECT_EQ(labels[23], "Komplette Synchronisation benötigte");
    EXPECT_EQ(values[23], "01:02:03");
    EXPECT_EQ(logOpened, 1);
    Settle();
    EXPECT_EQ(Find(), nullptr);
}

TEST_F(StatisticsWindowTest, APreviewHasItsOwnCaptionAndTheCloseBoxEndsItToo) {
    std::string title;
    Show(true, [&](StatisticsWindow& window) {
        title = Text(window.GetTitle());
        window.Close();
    });
    EXPECT_EQ(title, "Quorvex - Vorschau-Statistik");
    EXPECT_EQ(logOpened, 0);
}

}  // namespace
}  // namespace quorvex::test
