#include <gtest/gtest.h>

#include "config/CommandLine.h"
#include "program/RunLog.h"
#include "support/NativePath.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

class CommandLineTest : public ::testing::Test {
  protected:
    ParseResult Parse(const std::vector<std::string>& arguments) {
        log.SetDebugLogPath(dir / "debug.log");
        return ParseCommandLine(arguments, settings, log, dialogs);
    }

    test::TempDir dir;
    Settings settings;
    test::RecordingDialogs dialogs;
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log{settings, dialogs, clock};
};

TEST_F(CommandLineTest, FoldersGetATrailingSeparatorOnce) {
    ASSERT_EQ(
        Parse({"-s", test::Native("/home/user/Meine Daten"), "-d", test::Native("/mnt/usb/")}),
        ParseResult::Ok);
    EXPECT_EQ(settings.CmdSource, test::Native("/home/user/Meine Daten/"));
    EXPECT_EQ(settings.CmdTarget, test::Native("/mnt/usb/"));
    EXPECT_EQ(settings.CommandLineGiven, 1);
}

TEST_F(CommandLineTest, SourceAsLastArgumentIsASingleSeparator) {
    ASSERT_EQ(Parse({"-d", test::Native("/backup"), "-s"}), ParseResult::Ok);
    EXPECT_EQ(settings.CmdSource, test::Native("/"));
}

TEST_F(CommandLineTest, AnEmptyArgumentEndsTheParsing) {
    ASSERT_EQ(Parse({"-del", "", "-start", "--bogus"}), ParseResult::Ok);
    EXPECT_EQ(settings.DefaultDeleteFiles, 1);
    EXPECT_EQ(settings.AutoStart, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CommandLineTest, ValuesAreTakenUnchanged) {
    ASSERT_EQ(Parse({"-incl", "-start", "-logdir", test::Native("/var/log/q")}), ParseResult::Ok);
    EXPECT_EQ(settings.CmdExtentions, "-start");
    EXPECT_EQ(settings.AutoStart, 0);
    EXPECT_EQ(settings.LogfileDir, test::Native("/var/log/q/"));
}

TEST_F(CommandLineTest, LaterSwitchesOverrideEarlierOnes) {
    ASSERT_EQ(Parse({"-incl", ".jpg", "-excl", ".tmp,.bak", "-md5", "-crc"}), ParseResult::Ok);
    EXPECT_EQ(settings.CmdExtentions, "!.tmp,.bak");
    EXPECT_EQ(settings.DefaultFileCheckSum, 2);
}

TEST_F(CommandLineTest, LongTermNeedsAPositiveNumber) {
    ASSERT_EQ(Parse({"-l", "0"}), ParseResult::Ok);
    EXPECT_EQ(settings.LongTerm, 0);
    EXPECT_EQ(settings.LongTermMinutes, 10);
    ASSERT_EQ(Parse({"-l", "abc"}), ParseResult::Ok);
    EXPECT_EQ(settings.LongTerm, 0);
    ASSERT_EQ(Parse({"-l", "5"}), ParseResult::Ok);
    EXPECT_EQ(settings.LongTerm, 1);
    EXPECT_EQ(settings.LongTermMinutes, 5);
}

TEST_F(CommandLineTest, PriorityWordsInAnyCase) {
    ASSERT_EQ(Parse({"-prio", "HIGH"}), ParseResult::Ok);
    EXPECT_EQ(settings.Priority, kPriorityHigh);
    ASSERT_EQ(Parse({"-pri", "Low"}), ParseResult::Ok);
    EXPECT_EQ(settings.Priority, kPriorityLow);
    ASSERT_EQ(Parse({"-prio", "fast", "-nolog"}), ParseResult::Ok);
    EXPECT_EQ(settings.Priority, kPriorityLow);  // unchanged; the value was consumed
    EXPECT_EQ(settings.Logging, 0);
}

TEST_F(CommandLineTest, SwitchesAreMatchedInAnyCaseButExactly) {
    ASSERT_EQ(Parse({"-NoLog", "-START"}), ParseResult::Ok);
    EXPECT_EQ(settings.Logging, 0);
    EXPECT_EQ(settings.AutoStart, 1);
    EXPECT_EQ(Parse({"-started"}), ParseResult::UnknownArgument);
}

TEST_F(CommandLineTest, UnknownArgumentIsReportedAndStopsEverything) {
    EXPECT_EQ(Parse({"--nolog", "-start"}), ParseResult::UnknownArgument);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Unbekannter Befehl:\r--nolog");
    EXPECT_EQ(dialogs.messages[0].title, "Quorvex");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(settings.Logging, 1);
    EXPECT_EQ(settings.AutoStart, 0);
}

TEST_F(CommandLineTest, NoWindowNeedsBothFoldersFirst) {
    ASSERT_EQ(Parse({"-nowin", "-s", "/a", "-d", "/b", "-start"}), ParseResult::Ok);
    EXPECT_EQ(settings.WindowHidden, 0);
    EXPECT_EQ(settings.ExitAfterRun, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Quell- oder Zielordner fehlt!");

    ASSERT_EQ(Parse({"-nowin"}), ParseResult::Ok);
    EXPECT_EQ(settings.WindowHidden, 1);
    EXPECT_EQ(settings.ExitAfterRun, 1);
}

TEST_F(CommandLineTest, EverySwitchReachesItsField) {
    ASSERT_EQ(Parse({"-nosub", "-nodatecheck", "-noattributecheck", "-noexistcheck", "-createdir",
                     "-securelog", "-history", "-down", "-qsm", "-nospacecheck", "-lock",
                     "-minimize", "-nostat", "-systray", "-del", "-exit"}),
              ParseResult::Ok);
    EXPECT_EQ(settings.DefaultSubDirs, 0);
    EXPECT_EQ(settings.FileCheck_Date, 0);
    EXPECT_EQ(settings.FileCheck_Attribute, 0);
    EXPECT_EQ(settings.Filecheck_Exist, 0);
    EXPECT_EQ(settings.DefaultCreateTargetSubDirs, 1);
    EXPECT_EQ(settings.SecureLog, 1);
    EXPECT_EQ(settings.LogfileNo, 1);
    EXPECT_EQ(settings.Shutdown, 1);
    EXPECT_EQ(settings.DefaultFileCheckSum, 1);
    EXPECT_EQ(settings.CheckTargetSpace, 0);
    EXPECT_EQ(settings.LockWorkStation, 1);
    EXPECT_EQ(settings.AutoMinimize, 1);
    EXPECT_EQ(settings.ShowStatistics, 0);
    EXPECT_EQ(settings.Systray, 1);
    EXPECT_EQ(settings.DefaultDeleteFiles, 1);
    EXPECT_EQ(settings.ExitAfterRun, 1);
}

TEST_F(CommandLineTest, DebugTracesStartWithTheDebugSwitch) {
    settings.Logging = 0;
    ASSERT_EQ(Parse({"-nostats", "-debug", "-s", "/data", "-bogus"}), ParseResult::UnknownArgument);
    const std::string debugLog = test::ReadFile(dir / "debug.log");
    EXPECT_EQ(debugLog.find("-nostats"), std::string::npos);
    EXPECT_NE(debugLog.find("] Programm geladen, Debug-Mode gestartet\r\n"), std::string::npos);
    EXPECT_NE(debugLog.find("] Programmparameter: -s\r\n"), std::string::npos);
    EXPECT_EQ(debugLog.find("Programmparameter: /data"), std::string::npos);
    EXPECT_NE(debugLog.find("] Unbkannter Befehl: -bogus\r\n"), std::string::npos);
}

TEST_F(CommandLineTest, NoArgumentsLeaveTheSettingsAlone) {
    ASSERT_EQ(Parse({}), ParseResult::Ok);
    EXPECT_EQ(settings.CommandLineGiven, 0);
}

}  // namespace
}  // namespace quorvex
