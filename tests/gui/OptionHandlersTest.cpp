#include "GuiTestSupport.h"
#include "platform/DateTime.h"
#include "support/NativePath.h"

namespace quorvex::test {
namespace {

std::string Text(const wxString& text) {
    return std::string(text.utf8_str());
}

class OptionHandlersTest : public GuiTest {
  protected:
    OptionHandlersTest() { OpenWindow(); }
};

struct BoxCase {
    wxCheckBox* box;
    YesNo Settings::*field;
    const char* trace;  // empty: the box writes none
};

TEST_F(OptionHandlersTest, EveryOptionBoxSetsItsSettingAndWritesItsTrace) {
    OptionsPage& options = Window().Options();
    ExpertPage& expert = Window().Expert();
    const BoxCase cases[] = {
        {options.SecureLog(), &Settings::SecureLog, "Checkbox: SecureLog, Status: "},
        {options.HistoryLogs(), &Settings::LogfileNo, "Checkbox: Logfile-Nummerierung, Status: "},
        {options.Minimise(), &Settings::AutoMinimize, "Checkbox: Minimize, Status: "},
        {options.Tray(), &Settings::Systray, ""},
        {options.AutoExit(), &Settings::AutoExit, "Checkbox: AutoExit, Status: "},
        {options.LockStation(), &Settings::LockWorkStation, "Checkbox: LockPC, Status: "},
        {options.Shutdown(), &Settings::Shutdown, "Checkbox: Shutdown, Status: "},
        {options.UpdateAtStart(), &Settings::UpdateCheck, "Checkbox: UpdateCheck, Status: "},
        {expert.DateCheck(), &Settings::FileCheck_Date, "Checkbox: FileCheck-Date, Status: "},
        {expert.ExistCheck(), &Settings::Filecheck_Exist, "Checkbox: FileCheck-Exist, Status: "},
        {expert.AttributeCheck(), &Settings::FileCheck_Attribute,
         "Checkbox: FileCheck-Attribute, Status: "},
        {expert.SpaceCheck(), &Settings::CheckTargetSpace,
         "Checkbox: CheckAvailableSpace, Status: "},
    };
    program.settings.Logging = 1;
    for (const BoxCase& option : cases) {
        const bool ticked = !option.box->GetValue();
        SetTicked(option.box, ticked);
        EXPECT_EQ(program.settings.*option.field, ticked ? 1 : 0) << option.trace;
        if (*option.trace != '\0') {
            EXPECT_NE(DebugLog().find(std::string(option.trace) + (ticked ? "1" : "0")),
                      std::string::npos)
                << option.trace;
        }
        SetTicked(option.box, !ticked);
        EXPECT_EQ(program.settings.*option.field, ticked ? 0 : 1) << option.trace;
    }
}

TEST_F(OptionHandlersTest, LoggingOffDisablesSecureAndHistoryLogs) {
    OptionsPage& options = Window().Options();
    SetTicked(options.SecureLog(), true);
    SetTicked(options.Logging(), false);
    EXPECT_EQ(program.settings.Logging, 0);
    EXPECT_FALSE(options.SecureLog()->IsEnabled());
    EXPECT_FALSE(options.HistoryLogs()->IsEnabled());
    EXPECT_EQ(program.settings.SecureLog, 1);  // the boxes keep their state
    SetTicked(options.Logging(), true);
    EXPECT_TRUE(options.SecureLog()->IsEnabled());
    EXPECT_NE(DebugLog().find("Checkbox: Logging, Status: 1"), std::string::npos);
}

TEST_F(OptionHandlersTest, TheLongTermBoxEnablesTheMinutesField) {
    OptionsPage& options = Window().Options();
    SetTicked(options.LongTerm(), true);
    EXPECT_EQ(program.settings.LongTerm, 1);
    EXPECT_TRUE(options.Minutes()->IsEnabled());
    EXPECT_NE(DebugLog().find("Button: Dauerbetrieb, Status: 1"), std::string::npos);
    SetTicked(options.LongTerm(), false);
    EXPECT_FALSE(options.Minutes()->IsEnabled());
}

TEST_F(OptionHandlersTest, TheMinutesFieldCorrectsWhatIsOutOfRangeAtOnce) {
    wxTextCtrl* minutes = Window().Options().Minutes();
    SetTicked(Window().Options().LongTerm(), true);
    Type(minutes, "");
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Dauerbetriebs-Zeit zu kurz! Minimum 1 Minute.");
    EXPECT_EQ(recorded.messages[0].title, "Quorvex");
    EXPECT_EQ(Text(minutes->GetValue()), "1");

    for (const char* typed : {"2", "20", "200"}) {
        Type(minutes, typed);
        EXPECT_EQ(Text(minutes->GetValue()), typed);
    }
    EXPECT_EQ(recorded.messages.size(), 1u);
    Type(minutes, "2000");
    ASSERT_EQ(recorded.messages.size(), 2u);
    EXPECT_EQ(recorded.messages[1].text,
              "Dauerbetriebs-Zeit zu lang! Maximum 1440 Minuten (24 Stunden)");
    EXPECT_EQ(Text(minutes->GetValue()), "1440");
}

TEST_F(OptionHandlersTest, StartRefusesTooManyMinutesThatSlippedIntoTheField) {
    bool ran = false;
    Window().Services().run = [&ran](RunKind) { ran = true; };
    SetTicked(Window().Options().LongTerm(), true);
    Window().Options().Minutes()->ChangeValue("1441");
    Click(Window().RunButton());
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text,
              "Dauerbetriebs-Zeit zu lang! Max 1440 Minuten (24 Stunden)");
    EXPECT_EQ(recorded.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(Text(Window().Options().Minutes()->GetValue()), "30");
    EXPECT_FALSE(ran);
}

TEST_F(OptionHandlersTest, ProtectedDrivesEnableTheirFieldWhichFeedsTheSetting) {
    OptionsPage& options = Window().Options();
    SetTicked(options.ProtectDrives(), true);
    EXPECT_EQ(program.settings.ProtectDrives, 1);
    EXPECT_TRUE(options.Drives()->IsEnabled());
    EXPECT_TRUE(options.DrivesButton()->IsEnabled());
    Type(options.Drives(), "/media/usb,/mnt/nas");
    EXPECT_EQ(program.settings.SaveDrives, "/media/usb,/mnt/nas");
    EXPECT_NE(DebugLog().find("Checkox: LW-Save"), std::string::npos);
    SetTicked(options.ProtectDrives(), false);
    EXPECT_FALSE(options.Drives()->IsEnabled());
}

TEST_F(OptionHandlersTest, UtcCorrectionStoresTheZoneStateOfTheMoment) {
    ExpertPage& expert = Window().Expert();
    SetTicked(expert.UtcCorrection(), true);
    EXPECT_EQ(program.settings.UTC_Time, TimeZoneStateCode());
    SetTicked(expert.UtcCorrection(), false);
    EXPECT_EQ(program.settings.UTC_Time, 0);
    EXPECT_NE(DebugLog().find("Checkbox: UTC-Time, Status: 0"), std::string::npos);
}

TEST_F(OptionHandlersTest, TimeDifferenceAndPriorityTakeEffectAtOnce) {
    ExpertPage& expert = Window().Expert();
    Type(expert.TimeDifference(), "15");
    EXPECT_EQ(program.settings.NTFS_TimeDifference, 15);
    Type(expert.TimeDifference(), "");
    EXPECT_EQ(program.settings.NTFS_TimeDifference, 0);
    Choose(expert.Priority(), 3);
    EXPECT_EQ(program.settings.Priority, 256);
    Choose(expert.Priority(), 0);
    EXPECT_EQ(program.settings.Priority, 64);
    EXPECT_NE(DebugLog().find("Prorität geändert auf: 64"), std::string::npos);
}

TEST_F(OptionHandlersTest, TheLogFolderButtonTakesTheChosenFolderOrFallsBack) {
    ExpertPage& expert = Window().Expert();
    chosenFolder = dir / "logs";
    Click(expert.LogFolderButton());
    EXPECT_EQ(program.settings.LogfileDir, dir / Native("logs/"));
    EXPECT_EQ(Text(expert.LogFolder()->GetValue()), dir / Native("logs/"));
    EXPECT_NE(DebugLog().find("Button: LogFilePath, Status: " + dir / Native("logs/")),
              std::string::npos);
    chosenFolder.clear();
    Click(expert.LogFolderButton());
    EXPECT_EQ(program.settings.LogfileDir, dir.path());
}

// The character shown at a distance from the field's left edge.
long CharacterAt(wxTextCtrl* field, int x) {
    long position = -1;
    field->HitTest(wxPoint(x, field->GetClientSize().y / 2), &position);
    return position;
}

TEST_F(OptionHandlersTest, ALongLogFolderShowsItsEndAndTheWholePathInItsTooltip) {
    Window().ShowPage(kExpertPageIndex);
    wxTextCtrl* field = Window().Expert().LogFolder();
    chosenFolder = dir / Native("ein/recht/langer/Ordner/für/die/Protokolle");
    Click(Window().Expert().LogFolderButton());
    Settle(100);
    const long last = field->GetLastPosition();
    EXPECT_GE(CharacterAt(field, field->GetClientSize().x - 6), last - 2);
    EXPECT_GT(CharacterAt(field, 4), 0);
    EXPECT_NE(Text(field->GetToolTipText()).find(chosenFolder + Native("/")), std::string::npos);
    Type(field, "/kurz/");
    EXPECT_NE(Text(field->GetToolTipText()).find("\n/kurz/"), std::string::npos);
}

TEST_F(OptionHandlersTest, MoreWidensTheWindowAndAsksForTheChangeList) {
    wxToggleButton* more = Window().MoreButton();
    EXPECT_FALSE(session->Display().ChangeListWanted());
    more->SetValue(true);
    wxCommandEvent press(wxEVT_TOGGLEBUTTON, more->GetId());
    press.SetEventObject(more);
    more->GetEventHandler()->ProcessEvent(press);
    Settle();
    EXPECT_EQ(Window().GetClientSize().x, Window().FromDIP(800));
    EXPECT_EQ(Text(more->GetLabel()), "<< Mehr");
    EXPECT_TRUE(session->Display().ChangeListWanted());
    EXPECT_NE(DebugLog().find("Button: MEHR>>"), std::string::npos);
    more->SetValue(false);
    more->GetEventHandler()->ProcessEvent(press);
    Settle();
    EXPECT_EQ(Window().GetClientSize().x, Window().FromDIP(400));
    EXPECT_EQ(Text(more->GetLabel()), "Mehr >>");
}

TEST_F(OptionHandlersTest, InfoButtonsOpenTheLicenceAndTheMakersAddresses) {
    const std::string previous = wxGetCwd().utf8_string();
    ASSERT_TRUE(wxSetWorkingDirectory(wxString::FromUTF8(dir.path())));
    Click(Window().Info().LicenceButton());
    wxSetWorkingDirectory(wxString::FromUTF8(previous));
    EXPECT_EQ(ReadFile(dir / "Quorvex_licence.txt").rfind("LIZENZBEDINGUNGEN", 0), 0u);
    Click(Window().Info().HomepageButton());
    Click(Window().Info().ForumButton());
    EXPECT_EQ(opened,
              (std::vector<std::string>{"Quorvex_licence.txt", "https://www.quorvex.invalid",
                                        "https://forum.quorvex.invalid"}));
    const std::string log = DebugLog();
    EXPECT_NE(log.find("Button: Licence"), std::string::npos);
    EXPECT_NE(log.find("Button: WebSite"), std::string::npos);
    EXPECT_NE(log.find("Button: Forum"), std::string::npos);
}

}  // namespace
}  // namespace quorvex::test
