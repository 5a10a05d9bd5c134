#include <gtest/gtest.h>

#include "run/RunLog.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::PathExists;
using test::ReadFile;

class RunLogTest : public ::testing::Test {
  protected:
    RunLogTest() {
        log.SetDebugLogPath(dir / "Quorvex_DEBUG.log");
        log.SetPath(dir / "Quorvex.log");
    }

    test::TempDir dir;
    Settings settings;
    test::RecordingDialogs dialogs;
    RunLog log{settings, dialogs};
};

TEST_F(RunLogTest, BufferedFileIsWrittenOnlyAtTheEndAndReplacedAsAWhole) {
    test::WriteFile(dir / "Quorvex.log", "previous run\r\n");
    log.BeginRunLog();
    log.WriteLog("### JOB #1");
    log.WriteLog("");
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "previous run\r\n");
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "### JOB #1\r\n\r\n");
    EXPECT_EQ(log.Buffer().size(), 2u);  // kept until the next run begins
    log.BeginRunLog();
    EXPECT_TRUE(log.Buffer().empty());
}

TEST_F(RunLogTest, SecureFileIsFreshForEveryRun) {
    settings.SecureLog = 1;
    log.BeginRunLog();
    log.WriteLog("first run");
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "first run\r\n");
    log.BeginRunLog();
    log.WriteLog("second run");
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "second run\r\n");
    EXPECT_TRUE(log.Buffer().empty());
}

TEST_F(RunLogTest, SecureLineBeforeTheFirstRunIsDropped) {
    settings.SecureLog = 1;
    RunLog fresh(settings, dialogs);
    fresh.SetDebugLogPath(dir / "Quorvex_DEBUG.log");
    fresh.WriteLog("too early");
    EXPECT_TRUE(fresh.Buffer().empty());
    EXPECT_FALSE(PathExists(dir / "Quorvex_DEBUG.log"));
}

TEST_F(RunLogTest, BufferedLinesBetweenRunsAreDiscardedAtTheNextRun) {
    log.WriteLog("between runs");
    log.BeginRunLog();
    log.WriteLog("in the run");
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "in the run\r\n");
}

TEST_F(RunLogTest, DebugLineCarriesATimeStampOnlyOnItsFirstLine) {
    settings.DebugMode = 1;
    settings.Logging = 0;
    log.WriteLog("Programm beendet.\r\n------------------------------");
    log.WriteLog("");
    const std::string debug = ReadFile(dir / "Quorvex_DEBUG.log");
    // "[hh:mm:ss] " in front of the first line of each call only.
    ASSERT_EQ(debug.size(), 11u + 19u + 32u + 11u + 2u) << debug;
    EXPECT_EQ(debug[0], '[');
    EXPECT_EQ(debug.substr(9, 2), "] ");
    EXPECT_EQ(debug.substr(11, 19), "Programm beendet.\r\n");
    EXPECT_EQ(debug.substr(30, 32), std::string(30, '-') + "\r\n");
    EXPECT_EQ(debug[62], '[');
    EXPECT_EQ(debug.substr(71), "] \r\n");
    EXPECT_TRUE(log.Buffer().empty());  // logging is off
}

TEST_F(RunLogTest, DebugTracesNeedDebugMode) {
    log.Debug("Fenster erstellt");
    EXPECT_TRUE(log.Buffer().empty());
    settings.DebugMode = 1;
    log.Debug("Fenster erstellt");
    ASSERT_EQ(log.Buffer().size(), 1u);
    EXPECT_NE(ReadFile(dir / "Quorvex_DEBUG.log").find("] Fenster erstellt\r\n"),
              std::string::npos);
}

TEST_F(RunLogTest, EmbeddedLineBreaksGiveSeveralLines) {
    log.BeginRunLog();
    log.WriteLog("one\r\ntwo");
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "one\r\ntwo\r\n");
}

TEST_F(RunLogTest, FailedFinalWriteIsReportedUnlessTheWindowIsHidden) {
    log.SetPath(dir / "missing-folder/Quorvex.log");
    log.BeginRunLog();
    log.WriteLog("line");
    EXPECT_FALSE(log.EndRunLog());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Konnte Log-Datei nicht erstellen!\r\n\r\n" + dir / "missing-folder/Quorvex.log");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    settings.WindowHidden = 1;
    EXPECT_FALSE(log.EndRunLog());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(RunLogTest, LoggingOffWritesNoRunLog) {
    settings.Logging = 0;
    log.BeginRunLog();
    log.WriteLog("line");
    EXPECT_TRUE(log.EndRunLog());
    EXPECT_FALSE(PathExists(dir / "Quorvex.log"));
}

}  // namespace
}  // namespace quorvex
