#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "app/window/WindowedProgram.h"
#include "config/ConfigFile.h"
#include "platform/DateTime.h"
#include "platform/TextFormat.h"
#include "support/NativePath.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

MainWindow* FindMainWindow() {
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* main = dynamic_cast<MainWindow*>(window)) {
            return main;
        }
    }
    return nullptr;
}

std::vector<std::string> RowTitles(wxListCtrl* list) {
    std::vector<std::string> titles;
    for (long row = 0; row < list->GetItemCount(); ++row) {
        titles.push_back(Text(list->GetItemText(row)));
    }
    return titles;
}

// Adding and changing jobs the way a user does it: from the job page into the editor.
class JobEditingTest : public GuiTest {
  protected:
    JobEditingTest() {
        MakeFolder(dir / "quelle");
        MakeFolder(dir / "ziel");
        AddJob("Dokumente", 2);
        AddJob("Fotos", 0);
    }
    void OpenJobPage() {
        OpenWindow();
        Window().RedrawJobList();
        Settle();
    }
    wxListCtrl* List() { return Window().Jobs().List(); }
    void DoubleClickAt(const wxPoint& point) {
        wxUIActionSimulator mouse;
        mouse.MouseMove(List()->ClientToScreen(point));
        mouse.MouseDblClick();
        Settle(300);
    }
};

TEST_F(JobEditingTest, AJobAddedWithTheButtonIsListedAndSavedAtExit) {
    const std::string source = dir / Native("quelle/");
    std::vector<std::string> rows;
    std::string title;
    // Acts once the main loop runs and the list shows both jobs: a slow start (a sanitizer
    // build, a busy machine) must not let the user click into an empty list, nor into the
    // window's first drawing, which holds clicks back.
    Repeating user(50, [&]() {
        MainWindow* window = FindMainWindow();
        if (window == nullptr ||
            Text(window->GetStatusBar()->GetStatusText(0)) !=
                "Herzlich Willkommen bei Quorvex v2.5" ||
            window->Jobs().List()->GetItemCount() < 2) {
            return false;
        }
        dialogs.UseFallback();
        window->Jobs().List()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        WhenEditorOpens editing([&](JobEditorWindow& editor) {
            title = Text(editor.GetTitle());
            EXPECT_TRUE(editor.SourceSide().Field()->IsEmpty());
            editor.SourceSide().Tree()->ExpandPath(wxString::FromUTF8(dir / "quelle"));
            Type(editor.TargetSide().Field(), dir / "ziel");
            SetTicked(editor.SubDirs(), true);
            Click(editor.SaveButton());
        });
        Click(window->Jobs().AddButton());
        EXPECT_TRUE(editing.Acted());
        rows = RowTitles(window->Jobs().List());
        window->Close();
        return true;
    });
    const DateValue before = CurrentDateValue();
    EXPECT_EQ(RunInWindow(program, dialogs, dir / "Quorvex.ini", services), kExitClean);

    EXPECT_EQ(title, "Job hinzufügen");
    const std::string shortSource = ShortenPath(source, 30);
    EXPECT_EQ(rows, (std::vector<std::string>{"Dokumente", shortSource, "Fotos"}));
    Settings loaded = program.settings;
    JobList saved;
    ASSERT_TRUE(LoadConfiguration(dir / "Quorvex.ini", loaded, saved, program.log));
    ASSERT_EQ(saved.Count(), 3u);
    const SyncJob& job = *saved.Select(1);
    EXPECT_EQ(job.Title, shortSource);
    EXPECT_EQ(job.Source, source);
    EXPECT_EQ(job.Target, dir / "ziel");
    EXPECT_EQ(job.SubDirs, 1);
    EXPECT_GE(job.Active, 2);
    EXPECT_GE(job.Created, before);
    EXPECT_NE(DebugLog().find("Job added: " + source + " -> " + dir / "ziel"), std::string::npos);
}

TEST_F(JobEditingTest, ADoubleClickOnARowEditsItsJob) {
    OpenJobPage();
    std::string title;
    WhenEditorOpens editing([&](JobEditorWindow& editor) {
        title = Text(editor.GetTitle());
        Type(editor.SourceSide().Field(), dir / "quelle/");
        Type(editor.TargetSide().Field(), dir / "ziel/");
        Type(editor.TitleField(), "Bilder");
        Pick(editor.IncludeOnly());
        Type(editor.IncludeField(), ".jpg,.png");
        Click(editor.SaveButton());
    });
    wxRect row;
    List()->GetItemRect(1, row);
    DoubleClickAt(wxPoint(100, row.y + row.height / 2));
    EXPECT_TRUE(editing.Acted());
    EXPECT_EQ(title, "Job 2 ändern");
    EXPECT_EQ(RowTitles(List()), (std::vector<std::string>{"Dokumente", "Bilder"}));
    EXPECT_TRUE(List()->IsItemChecked(1)) << "a saved job is active";
    const SyncJob& job = *program.jobs.Select(1);
    EXPECT_EQ(job.Extentions, ".jpg,.png");
    EXPECT_EQ(job.Active, kJobTicked + kJobSelected);  // saved active, selected again
}

TEST_F(JobEditingTest, ADoubleClickOnTheEmptyAreaAddsAJob) {
    OpenJobPage();
    std::string title;
    std::size_t jobsWhileOpen = 0;
    WhenEditorOpens editing([&](JobEditorWindow& editor) {
        title = Text(editor.GetTitle());
        jobsWhileOpen = program.jobs.Count();
        Type(editor.SourceSide().Field(), dir / "quelle/");
        Type(editor.TargetSide().Field(), dir / "ziel/");
        Type(editor.TitleField(), "Neu");
        Click(editor.SaveButton());
    });
    DoubleClickAt(wxPoint(100, List()->GetClientSize().y - 10));
    EXPECT_TRUE(editing.Acted());
    EXPECT_EQ(title, "Neuen Job hinzufügen");
    EXPECT_EQ(jobsWhileOpen, 3u);
    EXPECT_EQ(RowTitles(List()), (std::vector<std::string>{"Dokumente", "Fotos", "Neu"}));
}

TEST_F(JobEditingTest, ANewJobCancelledLeavesTheListAsItWas) {
    OpenJobPage();
    const std::vector<std::string> rows = RowTitles(List());
    enum class Leave { CancelButton, CloseBox, EscapeKey };
    for (Leave leave : {Leave::CancelButton, Leave::CloseBox, Leave::EscapeKey}) {
        WhenEditorOpens editing([&](JobEditorWindow& editor) {
            EXPECT_EQ(program.jobs.Count(), 3u);
            Type(editor.SourceSide().Field(), dir / "quelle/");
            Type(editor.TitleField(), "Verworfen");
            Click(editor.SaveButton());  // refused: no target
            if (leave == Leave::CancelButton) {
                Click(editor.CancelButton());
            } else if (leave == Leave::CloseBox) {
                editor.Close();
            } else {
                wxKeyEvent escape(wxEVT_CHAR_HOOK);
                escape.m_keyCode = WXK_ESCAPE;
                escape.SetEventObject(editor.TitleField());
                editor.GetEventHandler()->ProcessEvent(escape);
            }
        });
        Click(Window().Jobs().AddButton());
        EXPECT_TRUE(editing.Acted());
        EXPECT_EQ(RowTitles(List()), rows);
        EXPECT_EQ(program.jobs.Count(), 2u);
    }
    EXPECT_EQ(recorded.messages.size(), 3u);
    EXPECT_EQ(recorded.messages.back().text, "Es wurde kein Quell-/Zielverzeichnis gewählt!");
}

TEST_F(JobEditingTest, TheMainWindowsTooltipsStepAsideWhileAWindowIsOpenOverIt) {
    OpenJobPage();
    const auto tips = [this]() {
        std::vector<bool> shown;
        for (wxWindow* control :
             {static_cast<wxWindow*>(List()), static_cast<wxWindow*>(Window().Jobs().AddButton()),
              static_cast<wxWindow*>(Window().RunButton())}) {
            shown.push_back(control->GetToolTip() != nullptr);
        }
        return shown;
    };
    const std::vector<bool> none(3, false);
    const std::vector<bool> all(3, true);
    std::vector<bool> overEditor;
    WhenEditorOpens editing([&](JobEditorWindow& editor) {
        overEditor = tips();
        Click(editor.CancelButton());
    });
    Click(Window().Jobs().AddButton());
    EXPECT_TRUE(editing.Acted());
    EXPECT_EQ(overEditor, none);
    EXPECT_EQ(tips(), all);

    dialogs.UseWindows(&Window());
    std::vector<bool> overBox;
    Later confirm(500, [&]() {
        overBox = tips();
        wxUIActionSimulator().Char(WXK_RETURN);
    });
    dialogs.ShowMessage("Hallo", "Quorvex", MessageIcon::None);
    dialogs.UseFallback();
    Settle();
    EXPECT_EQ(overBox, none);
    EXPECT_EQ(tips(), all);
    EXPECT_EQ(Text(List()->GetToolTipText()), "Liste aller Syncronisations-Jobs");
}

TEST_F(JobEditingTest, WithoutACurrentJobTheEditorDoesNotOpen) {
    program.jobs.Clear();
    OpenJobPage();
    EXPECT_FALSE(Window().Services().jobEditor->Open("Job 1 ändern"));
    EXPECT_EQ(OpenJobEditor(), nullptr);
    EXPECT_TRUE(Window().IsEnabled());
}

}  // namespace
}  // namespace quorvex::test
