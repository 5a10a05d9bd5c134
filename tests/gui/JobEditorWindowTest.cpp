#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "support/NativePath.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

std::string Tip(wxWindow* control) {
    return Text(control->GetToolTipText());
}

// The editor opened from the main window on a job of the list.
class JobEditorWindowTest : public GuiTest {
  protected:
    JobEditorWindowTest() {
        MakeFolder(dir / "quelle");
        MakeFolder(dir / "ziel");
        SyncJob& job = AddJob("Fotos", 0);
        job.Source = dir / Native("quelle/");
        job.Target = dir / Native("ziel/");
        OpenWindow();
        Window().RedrawJobList();
        Settle();
    }
    SyncJob& Job() { return *program.jobs.Select(0); }
    // Opens the editor on the first job with "Eintrag ändern"; the action runs in it.
    void Edit(std::function<void(JobEditorWindow&)> action) {
        WhenEditorOpens user(std::move(action));
        Window().Jobs().List()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        Settle();
        Click(Window().Jobs().EditButton());
        EXPECT_TRUE(user.Acted());
        EXPECT_EQ(OpenJobEditor(), nullptr);
    }
};

TEST_F(JobEditorWindowTest, TheWindowShowsTheJobsValuesInItsControls) {
    Job().SubDirs = 1;
    Job().CreateTargetSubDirs = 1;
    Job().DeleteFiles = 1;
    Job().Extentions = "!.tmp,.bak";
    SyncJob before;
    Edit([&](JobEditorWindow& editor) {
        before = Job();
        EXPECT_EQ(Text(editor.GetTitle()), "Job 1 ändern");
        EXPECT_EQ(editor.ToDIP(editor.GetClientSize()), wxSize(600, 520));
        const wxRect screen = wxDisplay(0u).GetGeometry();
        const wxPoint middle = editor.GetScreenRect().GetPosition() + editor.GetSize() / 2;
        EXPECT_NEAR(middle.x, screen.x + screen.width / 2, 2);
        EXPECT_NEAR(middle.y, screen.y + screen.height / 2, 2);
        EXPECT_EQ(editor.GetParent(), nullptr) << "the editor is not owned by the main window";

        EXPECT_EQ(Text(editor.SourceSide().Field()->GetValue()), dir / Native("quelle/"));
        EXPECT_EQ(editor.SourceSide().TreePath(), dir / Native("quelle/"));
        EXPECT_EQ(Text(editor.TargetSide().Field()->GetValue()), dir / Native("ziel/"));
        EXPECT_EQ(editor.TargetSide().TreePath(), dir / Native("ziel/"));
        EXPECT_TRUE(editor.SubDirs()->GetValue());
        EXPECT_TRUE(editor.TargetSubDirs()->GetValue());
        EXPECT_TRUE(editor.DeleteFiles()->GetValue());
        EXPECT_FALSE(editor.DeleteFiles()->IsEnabled());
        EXPECT_FALSE(editor.CompareContent()->GetValue());
        EXPECT_FALSE(editor.CompareContent()->IsEnabled());
        EXPECT_FALSE(editor.CompareMethod(kCompareQsm)->IsEnabled());
        EXPECT_TRUE(editor.ExcludeListed()->GetValue());
        EXPECT_EQ(Text(editor.ExcludeField()->GetValue()), ".tmp,.bak");
        EXPECT_TRUE(editor.ExcludeField()->IsEnabled());
        EXPECT_FALSE(editor.IncludeField()->IsEnabled());
        EXPECT_EQ(Text(editor.TitleField()->GetValue()), "Fotos");

        EXPECT_EQ(Text(editor.SourceSide().Frame()->GetLabel()), "1. Quelle wählen ");
        EXPECT_EQ(Text(editor.TargetSide().Frame()->GetLabel()), "2. Ziel wählen ");
        EXPECT_EQ(editor.SourceSide().Frame()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_EQ(editor.SaveButton()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_NE(editor.CancelButton()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_EQ(Text(editor.SaveButton()->GetLabel()), "Job speichern");
        EXPECT_EQ(Tip(editor.TargetSide().NewFolderButton()),
                  "Klicken Sie hier um im Zielverzeichnis einen neuen Ordner zu erstellen");
        EXPECT_EQ(Tip(editor.SourceSide().Tree()->GetTreeCtrl()),
                  "Wählen Sie hier das Quellverzeichnis aus");
        EXPECT_EQ(Tip(editor.SubDirs()),
                  "Aktivieren Sie das Häkchen, wenn auch die Unterverzeichnisse eingelesen und "
                  "synronisiert werden sollen");
        EXPECT_EQ(Tip(editor.CancelButton()),
                  "Klicken Sie hier, wenn Sie die Einstellungen nicht übernehmen wollen");
        Click(editor.CancelButton());
    });
    EXPECT_EQ(Job().Active, before.Active);
    EXPECT_EQ(Job().Created, before.Created);
    EXPECT_EQ(Job().Extentions, before.Extentions);
    EXPECT_EQ(program.jobs.Count(), 1u);
}

TEST_F(JobEditorWindowTest, TheOptionsEnableAndClearWhatDependsOnThem) {
    Job().FileCheckSum = 0;
    Edit([&](JobEditorWindow& editor) {
        wxRadioButton* md5 = editor.CompareMethod(kCompareMd5);
        EXPECT_FALSE(md5->IsEnabled());
        SetTicked(editor.CompareContent(), true);
        EXPECT_TRUE(editor.CompareMethod(kCompareQsm)->GetValue()) << "QSM is proposed";
        EXPECT_TRUE(md5->IsEnabled());
        Pick(md5);
        SetTicked(editor.DeleteFiles(), true);

        SetTicked(editor.TargetSubDirs(), true);
        EXPECT_FALSE(editor.CompareContent()->GetValue());
        EXPECT_FALSE(editor.CompareContent()->IsEnabled());
        EXPECT_FALSE(editor.DeleteFiles()->GetValue());
        EXPECT_FALSE(editor.DeleteFiles()->IsEnabled());
        EXPECT_FALSE(md5->IsEnabled());
        SetTicked(editor.TargetSubDirs(), false);
        EXPECT_TRUE(editor.CompareContent()->IsEnabled());
        EXPECT_FALSE(editor.CompareContent()->GetValue());
        EXPECT_TRUE(editor.DeleteFiles()->IsEnabled());
        EXPECT_FALSE(editor.DeleteFiles()->GetValue());

        Pick(editor.IncludeOnly());
        EXPECT_TRUE(editor.IncludeField()->IsEnabled());
        EXPECT_FALSE(editor.ExcludeField()->IsEnabled());
        Pick(editor.ExcludeListed());
        EXPECT_FALSE(editor.IncludeField()->IsEnabled());
        EXPECT_TRUE(editor.ExcludeField()->IsEnabled());
        Type(editor.ExcludeField(), ".tmp");
        Pick(editor.IncludeOnly());
        Click(editor.SaveButton());
    });
    EXPECT_EQ(Job().FileCheckSum, 0);
    EXPECT_EQ(Job().DeleteFiles, 0);
    EXPECT_EQ(Job().CreateTargetSubDirs, 0);
    EXPECT_EQ(Job().Extentions, "") << "the include option with an empty field takes all files";
    EXPECT_EQ(Job().Active, kJobTicked + kJobSelected);  // saved active, selected again
}

TEST_F(JobEditorWindowTest, TreeAndFieldFollowEachOther) {
    MakeFolder(dir / Native("ziel/unten"));
    Edit([&](JobEditorWindow& editor) {
        FolderPicker& target = editor.TargetSide();
        Type(target.Field(), dir / "zi");
        EXPECT_EQ(target.TreePath(), dir.path()) << "the tree stops at the deepest folder";
        EXPECT_EQ(Text(target.Field()->GetValue()), dir / "zi") << "the typed text stays";
        Type(target.Field(), dir / Native("ziel/unten"));
        EXPECT_EQ(target.TreePath(), dir / Native("ziel/unten/"));
        EXPECT_EQ(Text(target.Field()->GetValue()), dir / Native("ziel/unten"));

        // A real click on the folder "quelle" in the source tree.
        FolderPicker& source = editor.SourceSide();
        source.Tree()->ExpandPath(wxString::FromUTF8(dir.path()));
        EXPECT_EQ(Text(source.Field()->GetValue()), dir.path());
        wxTreeCtrl* items = source.Tree()->GetTreeCtrl();
        wxTreeItemIdValue cookie;
        wxTreeItemId item = items->GetFirstChild(items->GetSelection(), cookie);
        while (item.IsOk() && items->GetItemText(item) != "quelle") {
            item = items->GetNextChild(items->GetSelection(), cookie);
        }
        ASSERT_TRUE(item.IsOk());
        wxRect rect;
        ASSERT_TRUE(items->GetBoundingRect(item, rect, true));
        wxUIActionSimulator mouse;
        mouse.MouseMove(items->ClientToScreen(rect.GetPosition() + wxPoint(5, rect.height / 2)));
        mouse.MouseClick();
        Settle(300);
        EXPECT_EQ(source.TreePath(), dir / Native("quelle/"));
        EXPECT_EQ(Text(source.Field()->GetValue()), dir / Native("quelle/"));
        Click(editor.SaveButton());
    });
    EXPECT_EQ(Job().Source, dir / Native("quelle/"));
    EXPECT_EQ(Job().Target, dir / Native("ziel/unten")) << "kept as typed";
}

TEST_F(JobEditorWindowTest, AFolderThatIsGoneStaysInItsFieldAndTheSaveIsRefused) {
    Job().Source = dir / Native("weg/");
    SyncJob before;
    Edit([&](JobEditorWindow& editor) {
        before = Job();
        EXPECT_EQ(Text(editor.SourceSide().Field()->GetValue()), dir / Native("weg/"));
        EXPECT_EQ(editor.SourceSide().TreePath(), dir.path());
        Click(editor.SaveButton());
        EXPECT_EQ(OpenJobEditor(), &editor) << "a failed save leaves the editor open";
        ASSERT_EQ(recorded.messages.size(), 1u);
        EXPECT_EQ(recorded.messages[0].text, "Quell- oder Zielverzeichnis existiert nicht!");
        EXPECT_EQ(recorded.messages[0].icon, MessageIcon::None);
        editor.Close();
    });
    EXPECT_EQ(Job().Source, before.Source);
    EXPECT_EQ(Job().Active, before.Active);
    EXPECT_EQ(program.jobs.Count(), 1u) << "a saved job survives the close box";
}

TEST_F(JobEditorWindowTest, NewFolderCreatesAFolderInTheTreesFolderAndMovesThere) {
    recorded.textAnswers = {"neu", "fehlt/neu"};
    Edit([&](JobEditorWindow& editor) {
        FolderPicker& source = editor.SourceSide();
        Click(source.NewFolderButton());
        EXPECT_TRUE(PathExists(dir / Native("quelle/neu")));
        EXPECT_EQ(source.TreePath(), dir / Native("quelle/neu/"));
        EXPECT_EQ(Text(source.Field()->GetValue()), dir / Native("quelle/neu/"));

        Click(editor.TargetSide().NewFolderButton());
        EXPECT_EQ(editor.TargetSide().TreePath(), dir / Native("ziel/"));
        EXPECT_EQ(Text(editor.TargetSide().Field()->GetValue()), dir / Native("ziel/"));
        Click(editor.CancelButton());
    });
    ASSERT_EQ(recorded.textRequests.size(), 2u);
    EXPECT_EQ(recorded.textRequests[0].title, "Neuen Ordner anlegen");
    EXPECT_EQ(recorded.textRequests[0].prompt, dir / Native("quelle/"));
    EXPECT_EQ(recorded.textRequests[0].proposal.rfind("Source_", 0), 0u);
    EXPECT_EQ(recorded.textRequests[1].proposal.rfind("BackUp_", 0), 0u);
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Neuer Ordner konnte auf Ziel nicht angelegt werden!");
    EXPECT_EQ(Job().Source, dir / Native("quelle/")) << "cancelled";
}

TEST_F(JobEditorWindowTest, TheInputWindowForANewFolderBelongsToTheEditor) {
    dialogs.UseWindows(&Window());
    wxWindow* inputParent = nullptr;
    std::string prompt;
    Repeating answer(50, [&]() {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* input = dynamic_cast<wxDialog*>(window);
            if (input == nullptr || !input->IsModal()) {
                continue;
            }
            inputParent = input->GetParent();
            prompt = Text(input->GetTitle());
            for (wxWindow* child : input->GetChildren()) {
                if (auto* field = dynamic_cast<wxTextCtrl*>(child)) {
                    field->ChangeValue("Neu 1");
                }
            }
            input->EndModal(wxID_OK);
            return true;
        }
        return false;
    });
    JobEditorWindow* opened = nullptr;
    Edit([&](JobEditorWindow& editor) {
        opened = &editor;
        Click(editor.TargetSide().NewFolderButton());
        EXPECT_EQ(editor.TargetSide().TreePath(), dir / Native("ziel/Neu 1/"));
        Click(editor.CancelButton());
    });
    dialogs.UseFallback();
    EXPECT_EQ(prompt, "Neuen Ordner anlegen");
    EXPECT_EQ(inputParent, opened);
    EXPECT_TRUE(PathExists(dir / Native("ziel/Neu 1")));
}

TEST_F(JobEditorWindowTest, WhileTheEditorIsOpenTheMainWindowDoesNotReact) {
    Edit([&](JobEditorWindow& editor) {
        EXPECT_FALSE(Window().IsEnabled());
        Click(Window().Jobs().AddButton());
        Click(Window().Jobs().DeleteButton());
        Window().Close();
        EXPECT_EQ(program.jobs.Count(), 1u);
        EXPECT_TRUE(recorded.messages.empty());
        EXPECT_FALSE(Window().CloseRequested());
        Click(editor.CancelButton());
    });
    EXPECT_TRUE(Window().IsEnabled());
    EXPECT_FALSE(Window().CloseRequested());
    EXPECT_EQ(program.jobs.Count(), 1u);
}

}  // namespace
}  // namespace quorvex::test
