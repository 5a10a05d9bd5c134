#include <wx/settings.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "config/ConfigFile.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

// Remembers how it was opened; cancels like the editor's "Abbruch", or saves when told to.
class RecordingEditor : public JobEditor {
  public:
    explicit RecordingEditor(JobList& jobs) : jobs_(jobs) {}
    bool Open(const std::string& title) override {
        titles.push_back(title);
        positions.push_back(jobs_.CurrentPosition());
        if (saves) {
            jobs_.Current()->Title = "Neu";
            jobs_.Current()->Source = "/quelle/";
        }
        DropUnsavedJob(jobs_);
        return true;
    }
    std::vector<std::string> titles;
    std::vector<long> positions;
    bool saves = false;

  private:
    JobList& jobs_;
};

class JobsPageTest : public GuiTest {
  protected:
    JobsPageTest() {
        AddJob("Dokumente", 2);
        AddJob("Fotos", 0);
        AddJob("Musik", 3);
        services.jobEditor = &editor;
        OpenWindow();
        Window().RedrawJobList();
        Settle();
    }
    wxListCtrl* List() { return Window().Jobs().List(); }
    std::vector<int> ActiveValues() {
        std::vector<int> values;
        for (const SyncJob& job : program.jobs) {
            values.push_back(job.Active);
        }
        return values;
    }
    // A real mouse click at a point of a row, through the display server.
    void ClickRow(long row, int x) {
        wxRect rect;
        List()->GetItemRect(row, rect);
        wxUIActionSimulator mouse;
        mouse.MouseMove(List()->ClientToScreen(wxPoint(rect.x + x, rect.y + rect.height / 2)));
        mouse.MouseClick();
        Settle(200);
    }
    void Select(long row) {
        List()->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        Settle();
    }

    RecordingEditor editor{program.jobs};
};

TEST_F(JobsPageTest, RedrawShowsEveryJobTickedByItsState) {
    ASSERT_EQ(List()->GetItemCount(), 3);
    EXPECT_EQ(Text(List()->GetItemText(0)), "Dokumente");
    EXPECT_EQ(Text(List()->GetItemText(2, 1)), "02.01.2025 03:04:05");
    EXPECT_TRUE(List()->IsItemChecked(0));
    EXPECT_FALSE(List()->IsItemChecked(1));
    EXPECT_TRUE(List()->IsItemChecked(2));
    EXPECT_EQ(List()->GetSelectedItemCount(), 0);
    EXPECT_EQ(program.jobs.CurrentPosition(), 2);  // the walk leaves the last job current
    EXPECT_TRUE(Window().Jobs().Details()->IsEmpty());
}

TEST_F(JobsPageTest, ClickingARowsBoxTicksTheJobAtOnce) {
    ClickRow(1, 10);
    ASSERT_TRUE(List()->IsItemChecked(1)) << "the click did not reach the box";
    EXPECT_EQ(ActiveValues()[1] & kJobTicked, kJobTicked);
    ClickRow(0, 10);
    EXPECT_FALSE(List()->IsItemChecked(0));
    EXPECT_LE(ActiveValues()[0], 1);
}

TEST_F(JobsPageTest, SelectingARowShowsItsDetailsAndMakesItCurrent) {
    ClickRow(0, 100);
    EXPECT_EQ(program.jobs.CurrentPosition(), 0);
    EXPECT_EQ(ActiveValues(), (std::vector<int>{3, 0, 2}));
    const std::string details = Text(Window().Jobs().Details()->GetValue());
    EXPECT_EQ(details.rfind("Quelle:\t" + dir / "Dokumente-quelle/\n", 0), 0u) << details;
    EXPECT_NE(details.find("Zuletzt ausgeführt:\t\t(Nie)"), std::string::npos);
}

TEST_F(JobsPageTest, DeletingAsksAboutTheSelectedJobOrAllWithShift) {
    Select(1);
    recorded.yesNoAnswers = {true};
    Click(Window().Jobs().DeleteButton());
    EXPECT_EQ(recorded.questions.back(), "Möchten Sie den folgenden Job löschen?\r\n\r\nFotos");
    ASSERT_EQ(List()->GetItemCount(), 2);
    EXPECT_EQ(Text(List()->GetItemText(1)), "Musik");

    Click(Window().Jobs().DeleteButton());  // nothing selected after the redraw
    EXPECT_EQ(recorded.messages.back().text,
              "Es wurde kein Job gewählt, der gelöscht werden könnte");

    shiftDown = true;
    Select(0);
    recorded.yesNoAnswers = {true};
    Click(Window().Jobs().DeleteButton());
    EXPECT_EQ(recorded.questions.back(), "Möchten Sie wirklich ALLE Jobs löschen?");
    EXPECT_EQ(List()->GetItemCount(), 0);
    EXPECT_EQ(program.jobs.Count(), 0u);
    EXPECT_NE(DebugLog().find("Button: DeleteJob"), std::string::npos);
}

TEST_F(JobsPageTest, EditAddAndDoubleClickOpenTheEditorWithTheirTitles) {
    Click(Window().Jobs().EditButton());
    EXPECT_EQ(recorded.messages.back().text,
              "Es wurde kein Job gewählt, der geändert werden könnte");
    Select(1);
    Click(Window().Jobs().EditButton());
    Click(Window().Jobs().AddButton());
    EXPECT_EQ(editor.titles, (std::vector<std::string>{"Job 2 ändern", "Job hinzufügen"}));
    EXPECT_EQ(editor.positions, (std::vector<long>{1, 2}));  // the edited job stays selected
    EXPECT_EQ(program.jobs.Count(), 3u);                     // the cancelled new job is gone again

    const std::string log = DebugLog();
    EXPECT_NE(log.find("Button: EditBatch"), std::string::npos);
    EXPECT_NE(log.find("Button: AddJob"), std::string::npos);
}

TEST_F(JobsPageTest, ADoubleClickOnARowEditsItsJob) {
    wxRect row;
    List()->GetItemRect(1, row);
    wxUIActionSimulator mouse;
    mouse.MouseMove(List()->ClientToScreen(wxPoint(100, row.y + row.height / 2)));
    mouse.MouseDblClick();
    Settle(200);
    EXPECT_EQ(editor.titles, std::vector<std::string>{"Job 2 ändern"});
}

TEST_F(JobsPageTest, ADoubleClickOnTheEmptyListAddsAJob) {
    program.jobs.Clear();
    Window().RedrawJobList();
    Settle();
    wxUIActionSimulator mouse;
    mouse.MouseMove(List()->ClientToScreen(wxPoint(100, List()->GetClientSize().y - 15)));
    mouse.MouseDblClick();
    Settle(200);
    EXPECT_EQ(editor.titles, std::vector<std::string>{"Neuen Job hinzufügen"});
    EXPECT_EQ(program.jobs.Count(), 0u);
}

TEST_F(JobsPageTest, SpaceTicksTheSelectedRowAndTheKeyboardNeverOpensTheEditor) {
    Select(1);
    List()->SetFocus();
    Settle();
    wxUIActionSimulator keys;
    keys.Char(WXK_SPACE);
    Settle(200);
    EXPECT_TRUE(List()->IsItemChecked(1));
    EXPECT_EQ(ActiveValues()[1], kJobTicked + kJobSelected);
    keys.Char(WXK_RETURN);
    Settle(200);
    keys.Char(WXK_SPACE);
    Settle(200);
    EXPECT_FALSE(List()->IsItemChecked(1));
    EXPECT_EQ(ActiveValues()[1], kJobSelected);
    EXPECT_TRUE(editor.titles.empty());
}

// Every row is either shown whole or not at all, and the given one is shown.
void ExpectWholeRowsShowing(wxListCtrl* list, long wanted) {
    wxRect top;
    list->GetItemRect(list->GetTopItem(), top);
    const int bottom = list->GetClientSize().y;
    int shown = 0;
    for (long row = 0; row < list->GetItemCount(); ++row) {
        wxRect rect;
        list->GetItemRect(row, rect);
        const bool inside = rect.y >= top.y && rect.GetBottom() < bottom;
        const bool outside = rect.GetBottom() < top.y || rect.y >= bottom;
        EXPECT_TRUE(inside || outside) << "row " << row << " is cut at " << rect.y;
        EXPECT_TRUE(inside || row != wanted) << "row " << row << " is out of sight";
        shown += inside ? 1 : 0;
    }
    EXPECT_GE(shown, 3);
}

TEST_F(JobsPageTest, AnAddedOrEditedJobIsSelectedAndScrolledIntoViewOnWholeRows) {
    AddJob("Filme", 0);
    Window().RedrawJobList();
    editor.saves = true;
    Click(Window().Jobs().AddButton());
    Settle();
    ASSERT_EQ(List()->GetItemCount(), 5);
    EXPECT_EQ(Text(List()->GetItemText(4)), "Neu");
    EXPECT_EQ(List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 4);
    EXPECT_EQ(program.jobs.CurrentPosition(), 4);
    ExpectWholeRowsShowing(List(), 4);

    editor.saves = false;
    Select(0);
    Click(Window().Jobs().EditButton());
    Settle();
    EXPECT_EQ(List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 0);
    ExpectWholeRowsShowing(List(), 0);
    EXPECT_NE(Text(Window().Jobs().Details()->GetValue()).find("Dokumente-quelle"),
              std::string::npos);
}

TEST_F(JobsPageTest, TheLockedListLooksDisabledAndComesBackAfterwards) {
    Select(2);
    const wxColour text = List()->GetTextColour();
    const wxColour background = List()->GetBackgroundColour();
    session->Display().LockControls(true);
    EXPECT_FALSE(List()->IsEnabled());
    EXPECT_EQ(List()->GetTextColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    EXPECT_NE(List()->GetBackgroundColour(), background);
    EXPECT_EQ(List()->GetSelectedItemCount(), 0) << "no row in the selection colour";
    session->Display().LockControls(false);
    EXPECT_TRUE(List()->IsEnabled());
    EXPECT_EQ(List()->GetTextColour(), text);
    EXPECT_EQ(List()->GetBackgroundColour(), background);
    EXPECT_EQ(List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 2);
    EXPECT_EQ(ActiveValues(), (std::vector<int>{2, 0, 3}));
}

}  // namespace
}  // namespace quorvex::test
