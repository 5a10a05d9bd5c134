#include <gtest/gtest.h>

#include "program/RunLog.h"
#include "support/FakeClock.h"
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
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log{settings, dialogs, clock};
};

TEST_F(RunLogTest, BufferedFileIsWrittenOnlyAtTheEndAndReplacedAsAWhole) {
    test::WriteFile(dir / "Quorvex.log", "previous run\r\n");
    log.BeginRunLog();
    log.WriteLog("### JOB #1");
    log.WriteLog("");
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "previous run\r\n");
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "### JOB #1\r\n\r\n");
    EXPECT_EQ(log.BufferedLines().size(), 2u);  // kept until the next run begins
    log.BeginRunLog();
    EXPECT_TRUE(log.BufferedLines().empty());
}

TEST_F(RunLogTest, LongRunLogIsWrittenWholeAndInOrder) {
    // Lines of every length, one longer than the buffer's blocks, crossing many blocks.
    std::string expected;
    log.BeginRunLog();
    for (int i = 0; i < 30000; ++i) {
        const std::string line = std::to_string(i) + std::string(i % 97, 'x');
        log.WriteLog(line);
        expected += line + "\r\n";
        if (i == 12345) {
            const std::string huge(3 << 20, 'h');
            log.WriteLog(huge);
            expected += huge + "\r\n";
        }
    }
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_TRUE(ReadFile(dir / "Quorvex.log") == expected);
    const std::vector<std::string> lines = log.BufferedLines();
    ASSERT_EQ(lines.size(), 30001u);
    EXPECT_EQ(lines[12346].size(), 3u << 20);
    EXPECT_EQ(lines.back(), "29999" + std::string(29999 % 97, 'x'));
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
    EXPECT_TRUE(log.BufferedLines().empty());
}

TEST_F(RunLogTest, SecureLineBeforeTheFirstRunIsDropped) {
    settings.SecureLog = 1;
    RunLog fresh(settings, dialogs, clock);
    fresh.SetDebugLogPath(dir / "Quorvex_DEBUG.log");
    fresh.WriteLog("too early");
    EXPECT_TRUE(fresh.BufferedLines().empty());
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
    // A clock put in place after the log was made stamps its lines.
    test::FakeClock fake;
    fake.date = MakeDateValue({2025, 6, 30, 23, 59, 59});
    clock = &fake;
    log.WriteLog("Programm beendet.\r\n------------------------------");
    fake.Advance(1000);
    log.WriteLog("");
    const std::string debug = ReadFile(dir / "Quorvex_DEBUG.log");
    // "[hh:mm:ss] " in front of the first line of each call only.
    ASSERT_EQ(debug.size(), 11u + 19u + 32u + 11u + 2u) << debug;
    EXPECT_EQ(debug.substr(0, 11), "[23:59:59] ");
    EXPECT_EQ(debug.substr(11, 19), "Programm beendet.\r\n");
    EXPECT_EQ(debug.substr(30, 32), std::string(30, '-') + "\r\n");
    EXPECT_EQ(debug.substr(62), "[00:00:00] \r\n");
    EXPECT_TRUE(log.BufferedLines().empty());  // logging is off
}

TEST_F(RunLogTest, DebugTracesNeedDebugMode) {
    log.Debug("Fenster erstellt");
    EXPECT_TRUE(log.BufferedLines().empty());
    settings.DebugMode = 1;
    log.Debug("Fenster erstellt");
    ASSERT_EQ(log.BufferedLines().size(), 1u);
    EXPECT_NE(ReadFile(dir / "Quorvex_DEBUG.log").find("] Fenster erstellt\r\n"),
              std::string::npos);
}

TEST_F(RunLogTest, EmbeddedLineBreaksGiveSeveralLines) {
    log.BeginRunLog();
    log.WriteLog("one\r\ntwo");
    ASSERT_TRUE(log.EndRunLog());
    EXPECT_EQ(ReadFile(dir / "Quorvex.log"), "one\r\ntwo\r\n");
}

// In window mode a message box; with the window hidden one line, which the console
// dialogs print on stderr. Once per run in secure mode too, where every line fails.
TEST_F(RunLogTest, FileThatCannotBeCreatedIsReportedOnceInEveryMode) {
    const std::string path = dir / "missing-folder/Quorvex.log";
    log.SetPath(path);
    const std::string box = "Konnte Log-Datei nicht erstellen!\r\n\r\n" + path;
    const std::string line = "Konnte Log-Datei nicht erstellen: " + path;
    struct Case {
        int secure;
        int hidden;
        std::string text;
        MessageIcon icon;
    };
    const Case cases[] = {{0, 0, box, MessageIcon::Information},
                          {0, 1, line, MessageIcon::Error},
                          {1, 0, box, MessageIcon::Information},
                          {1, 1, line, MessageIcon::Error}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "secure " << c.secure << ", hidden " << c.hidden);
        settings.SecureLog = c.secure;
        settings.WindowHidden = c.hidden;
        dialogs.messages.clear();
        log.BeginRunLog();
        log.WriteLog("one");
        log.WriteLog("two");
        EXPECT_FALSE(log.EndRunLog());
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.text);
        EXPECT_EQ(dialogs.messages[0].icon, c.icon);
    }
}

TEST_F(RunLogTest, LoggingOffWritesNoRunLog) {
    // Only exactly 1 switches on: a hand-edited 2 is off like 0.
    for (const YesNo off : {YesNo{0}, YesNo{2}}) {
        settings.Logging = off;
        settings.DebugMode = off;
        log.BeginRunLog();
        log.WriteLog("line");
        log.Debug("trace");
        EXPECT_TRUE(log.EndRunLog());
        EXPECT_FALSE(PathExists(dir / "Quorvex.log")) << int{off};
        EXPECT_FALSE(PathExists(dir / "Quorvex_DEBUG.log")) << int{off};
    }
}

}  // namespace
}  // namespace quorvex
