#include "GuiTestSupport.h"
#include "ui/wx/DrivesWindow.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

// The drives as a system would list them; the window shows them in this order.
const MountEntry kDrives[] = {
    {"/", kDriveFixed, "System", "1A2B-3C4D"},
    {"/media/cd", kDriveOptical, "", ""},
    {"/mnt/a,b", kDriveFixed, "", ""},
    {"/mnt/nas", kDriveRemote, "", ""},
};

class DrivesWindowTest : public GuiTest {
  protected:
    DrivesWindowTest() {
        services.listDrives = [this](const MountVisitor& each) {
            for (const MountEntry& drive : kDrives) {
                if (DrivesWindow* window = Find()) {
                    listingTitles.push_back(Text(window->GetTitle()));
                }
                each(drive);
            }
            return true;
        };
        program.settings.ProtectDrives = 1;
        OpenWindow();
    }
    static DrivesWindow* Find() {
        return dynamic_cast<DrivesWindow*>(wxWindow::FindWindowByName(DrivesWindow::kWindowName));
    }
    // Clicks the drive button; the action runs once the drives are listed and must close
    // the window.
    void Choose(const std::string& incoming, std::function<void(DrivesWindow&)> action) {
        program.settings.SaveDrives = incoming;
        bool acted = false;
        Repeating user(20, [&]() {
            DrivesWindow* window = Find();
            if (window == nullptr || Text(window->GetTitle()).rfind("Ermittle", 0) == 0) {
                return false;
            }
            acted = true;
            action(*window);
            return true;
        });
        Later watchdog(10000, []() {
            if (DrivesWindow* window = Find()) {
                window->Close();
            }
        });
        test::Click(Window().Options().DrivesButton());
        EXPECT_TRUE(acted);
    }
    static std::vector<bool> Ticks(DrivesWindow& window) {
        std::vector<bool> ticks;
        for (long row = 0; row < window.List()->GetItemCount(); ++row) {
            ticks.push_back(window.List()->IsItemChecked(row));
        }
        return ticks;
    }

    std::vector<std::string> listingTitles;
};

TEST_F(DrivesWindowTest, ListsTheTableTicksTheGivenDrivesAndUbernehmenStoresTheChoice) {
    std::string title;
    wxSize size;
    std::vector<std::string> headings;
    std::vector<std::string> cells;
    std::vector<bool> given;
    std::vector<bool> local;
    std::vector<bool> afterCommaTick;
    Choose("/mnt/nas,/MEDIA/CD,/gone", [&](DrivesWindow& window) {
        title = Text(window.GetTitle());
        size = window.ToDIP(window.GetClientSize());
        wxListCtrl* list = window.List();
        for (int column = 0; column < list->GetColumnCount(); ++column) {
            wxListItem item;
            item.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(column, item);
            headings.push_back(Text(item.GetText()));
        }
        for (long row = 0; row < list->GetItemCount(); ++row) {
            cells.push_back(
                Text(list->GetItemText(row, 1)) + "|" + Text(list->GetItemText(row, 2)) + "|" +
                Text(list->GetItemText(row, 3)) + "|" + Text(list->GetItemText(row, 4)));
        }
        given = Ticks(window);
        Click(window.AllButton());
        Click(window.LocalButton());
        local = Ticks(window);
        list->CheckItem(2, true);
        afterCommaTick = Ticks(window);
        Click(window.NetworkButton());
        Click(window.AcceptButton());
    });
    EXPECT_EQ(listingTitles,
              (std::vector<std::string>{"Ermittle Laufwerke", "Ermittle Laufwerke.",
                                        "Ermittle Laufwerke..", "Ermittle Laufwerke..."}));
    EXPECT_EQ(title, "Bitte zu schützende Laufwerke wählen");
    EXPECT_EQ(size, wxSize(500, 300));
    EXPECT_EQ(headings,
              (std::vector<std::string>{"", "Lwk", "Dateisystem", "Name", "Seriennummer"}));
    EXPECT_EQ(cells, (std::vector<std::string>{
                         "/|Lokales Laufwerk|System|1A2B-3C4D", "/media/cd|CD/DVD-Laufwerk||",
                         "/mnt/a,b|Lokales Laufwerk||", "/mnt/nas|Entferntes Laufwerk||"}));
    EXPECT_EQ(given, (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(local, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(afterCommaTick, local);
    EXPECT_EQ(program.settings.SaveDrives, "/mnt/nas");
    EXPECT_EQ(Text(Window().Options().Drives()->GetValue()), "/mnt/nas");
    EXPECT_NE(DebugLog().find("Button: LW-Save: /mnt/nas"), std::string::npos);
    Settle();
    EXPECT_EQ(Find(), nullptr);
}

TEST_F(DrivesWindowTest, TheCloseBoxKeepsTheValueAsItCameAndNothingTickedProtectsNothing) {
    Choose("/media/CD,/gone", [](DrivesWindow& window) {
        Click(window.AllButton());
        window.Close();
    });
    EXPECT_EQ(program.settings.SaveDrives, "/media/CD,/gone");
    Choose("/mnt/nas", [](DrivesWindow& window) {
        Click(window.NoneButton());
        Click(window.AcceptButton());
    });
    EXPECT_EQ(program.settings.SaveDrives, "");
    EXPECT_EQ(Text(Window().Options().Drives()->GetValue()), "");
}

}  // namespace
}  // namespace quorvex::test
