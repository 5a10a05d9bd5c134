#include "run/RunDriver.h"

#include <gtest/gtest.h>

#include <csignal>

#include "platform/DirectoryListing.h"
#include "platform/TextFormat.h"
#include "run/RunHeader.h"
#include "run/RunTotalsBlock.h"
#include "run/RunValidation.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "support/TreeCheck.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;

class RunDriverTest : public ::testing::Test {
  protected:
    RunDriverTest() {
        test::MakeFolder(one);
        test::MakeFolder(two);
        test::MakeFolder(three);
        program.settings.LogfileDir = dir / "";
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : test.dialogs.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    test::TempDir dir;
    const std::string one = dir / "one/";
    const std::string two = dir / "two/";
    const std::string three = dir / "three/";
    test::TestProgram test;
    Program& program = test.program;
};

TEST_F(RunDriverTest, ValidationRefusesInOrderWithoutTouchingTheLog) {
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);
    program.settings.FileCheck_Date = 0;
    program.settings.FileCheck_Attribute = 0;
    program.settings.Filecheck_Exist = 0;
    test.AddJob(one, two);
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);
    program.settings.Filecheck_Exist = 1;
    program.jobs.Select(0)->Active = 0;
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);

    EXPECT_EQ(Messages(),
              (Lines{"Es wurde kein(e) Job(s) angelegt.",
                     "Es wurden keine Vergleichsmethoden aktiviert. Vorgang abgebrochen",
                     "Es wurde kein Job auf aktiv gesetzt. Bitte Job-Liste prüfen!"}));
    EXPECT_EQ(test.dialogs.messages[0].title, "");
    EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(test::PathExists(dir / "Quorvex.log"));
}

TEST_F(RunDriverTest, InactiveJobWithEqualFoldersRefusesTheRunWithOrWithoutWindow) {
    test.AddJob(one, two);
    SyncJob& inactive = test.AddJob(three, three);
    inactive.Active = 0;
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);

    program.settings.WindowHidden = 0;
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);
    EXPECT_EQ(Messages(), Lines(2, "Quell- und Zielverzeichnis sind identisch!"));
}

TEST_F(RunDriverTest, ShortPathAndProtectedDriveMessages) {
    program.settings.WindowHidden = 0;
    test.AddJob("/a", two);
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);
    program.jobs.Select(0)->Source = one;
    program.settings.ProtectDrives = 1;
    std::string drive;
    OnProtectedDrive(*program.files, "", two, drive);
    program.settings.SaveDrives = "/nowhere," + drive;
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);

    EXPECT_EQ(Messages(), (Lines{"Quell- oder Zielverzeichnis nicht zulässig!\r\n\r\nQuelle: /a"
                                 "\r\nZiel: " +
                                     two,
                                 "Zielverzeichnis '" + drive +
                                     "' gehört zu den geschützten Laufwerken!\rBitte prüfen Sie "
                                     "die Konfiguration"}));
}

TEST_F(RunDriverTest, TwoJobsWriteTheTotalsBlockAndStampLastRun) {
    test::WriteFile(one + "a.txt", "12345");
    test::WriteFile(three + "b.txt", "123");
    test.AddJob(one, two);
    test.AddJob(three, two);

    EXPECT_EQ(RunAllJobs(program), RunOutcome::Clean);

    const Lines log = test::MaskedLogLines(dir / "Quorvex.log");
    EXPECT_EQ(log[8], "MODUS: GUI +NOWIN");
    EXPECT_EQ(std::count(log.begin(), log.end(), "### JOB #2"), 1);
    EXPECT_EQ(
        test::LogSection(log, "##### GESAMTSTATISTIK:", ""),
        (Lines{"##### GESAMTSTATISTIK:", "Quelldateien: 2", "Zieldateien: 1", "Neue Dateien: 2",
               "Neue Ordner: 0", "Geänderte Dateien: 0", "Dateien kopiert: 2", "Bytes kopiert: 8",
               "Dateien gelöscht: 0", "Ordner gelöscht: 0", "Fehler beim Datei kopieren: 0",
               "Fehler beim Datei löschen: 0", "Fehler beim Ordner löschen: 0",
               "Lesen benötigte: <time>", "Vergleichen benötigte: <time>",
               "Kopieren benötigte: <time>", "Löschen benötigte: <time>",
               "Bytes/s geschrieben: <rate>", "Komplette Synchronisation benötigte: <time>"}));
    for (const SyncJob& job : program.jobs) {
        EXPECT_GT(job.LastRun, 0);
    }
}

// Every figure has its own value, so one that is dropped, taken from a neighbour or
// overwritten instead of added shows in its line; the write rate stays whole as it adds up.
TEST(RunTotalsTest, EveryFigureOfEveryJobAddsUpInItsOwnLine) {
    const auto job = [](std::int32_t scale, float writeRate) {
        JobStats stats;
        std::int32_t next = 0;
        for (std::int32_t* count :
             {&stats.sourceFiles, &stats.targetFiles, &stats.newFiles, &stats.changedFiles,
              &stats.foldersCreated, &stats.filesCopied}) {
            *count = ++next * scale;
        }
        stats.bytesCopied = ++next * scale;
        for (std::int32_t* count : {&stats.filesDeleted, &stats.foldersDeleted, &stats.copyErrors,
                                    &stats.deleteErrors, &stats.folderDeleteErrors}) {
            *count = ++next * scale;
        }
        for (std::int32_t* time : {&stats.readTime, &stats.compareTime, &stats.deleteTime,
                                   &stats.copyTime, &stats.jobTime}) {
            *time = ++next * scale * 1000;
        }
        stats.writeRate = writeRate;
        return stats;
    };
    RunTotals totals;
    AddToTotals(totals, job(1, 18.4f));
    AddToTotals(totals, job(2, 36.4f));
    test::TestProgram test;

    WriteTotalsBlock(test.program.log, totals);

    EXPECT_EQ(test.LogLines(),
              (Lines{"##### GESAMTSTATISTIK:", "Quelldateien: 3", "Zieldateien: 6",
                     "Neue Dateien: 9", "Neue Ordner: 15", "Geänderte Dateien: 12",
                     "Dateien kopiert: 18", "Bytes kopiert: 21", "Dateien gelöscht: 24",
                     "Ordner gelöscht: 27", "Fehler beim Datei kopieren: 30",
                     "Fehler beim Datei löschen: 33", "Fehler beim Ordner löschen: 36",
                     "Lesen benötigte: 00:00:39", "Vergleichen benötigte: 00:00:42",
                     "Kopieren benötigte: 00:00:48", "Löschen benötigte: 00:00:45",
                     "Bytes/s geschrieben: 54", "Komplette Synchronisation benötigte: 00:00:51"}));
}

TEST_F(RunDriverTest, MissingTargetJobAddsNothingAndTheRunGoesOn) {
    test::WriteFile(three + "b.txt", "123");
    test.AddJob(one, dir / "gone/");
    test.AddJob(three, two);

    EXPECT_EQ(RunAllJobs(program), RunOutcome::Problems);

    const Lines log = test::MaskedLogLines(dir / "Quorvex.log");
    EXPECT_EQ(log[11], "FEHLER: Ziel-Verzeichnis existiert nicht (mehr): " + dir / "gone/");
    EXPECT_EQ(log[12], "### JOB #2");
    EXPECT_EQ(test::LogSection(log, "##### GESAMTSTATISTIK:", "")[1], "Quelldateien: 1");
    EXPECT_EQ(program.jobs.Select(0)->LastRun, 0);
}

TEST_F(RunDriverTest, PriorityIsRaisedForTheRunAndPostRunActionsFollowInOrder) {
    program.settings.Priority = kPriorityLow;
    program.settings.LockWorkStation = 1;
    program.settings.Shutdown = 1;
    test.AddJob(one, two);

    RunAllJobs(program);

    EXPECT_EQ(test.system.calls, (Lines{"priority 64", "priority 32", "log off", "power off"}));
    EXPECT_EQ(test::MaskedLogLines(dir / "Quorvex.log")[8], "MODUS: GUI +NOWIN +LOCK");
}

// A session must not go on at the run's priority unnoticed.
TEST_F(RunDriverTest, PriorityThatCannotBeSetOrRestoredIsTracedAndShown) {
    program.settings.WindowHidden = 0;
    program.settings.DebugMode = 1;
    program.log.SetDebugLogPath(dir / "debug.log");
    program.settings.Priority = kPriorityLow;
    test.AddJob(one, two);

    test.system.refusedClass = kPriorityLow;
    RunAllJobs(program);
    EXPECT_EQ(test.display.statusTexts.back(), "Bereit.");

    test.system.refusedClass = kPriorityNormal;
    RunAllJobs(program);
    EXPECT_EQ(test.display.statusTexts.back(), "Bereit. Priorität nicht zurückgesetzt!");

    const std::string debug = test::ReadFile(dir / "debug.log");
    EXPECT_NE(debug.find("Prozesspriorität 64 nicht vollständig gesetzt (fehlende Rechte)"),
              std::string::npos);
    EXPECT_NE(debug.find("Normale Prozesspriorität ließ sich nicht wiederherstellen"),
              std::string::npos);
}

TEST_F(RunDriverTest, NormalPriorityMakesNoRequest) {
    test.AddJob(one, two);
    RunAllJobs(program);
    EXPECT_EQ(test.system.calls, Lines{});
}

TEST_F(RunDriverTest, WindowRunShowsStatisticsOrTheNoChangesMessage) {
    program.settings.WindowHidden = 0;
    test.display.wantChangeList = true;
    test::WriteFile(one + "a.txt", "a");
    test.AddJob(one, two).Title = "Fotos";

    EXPECT_EQ(RunAllJobs(program), RunOutcome::Clean);
    ASSERT_EQ(test.display.statisticsShown.size(), 1u);
    EXPECT_EQ(test.display.statisticsShown[0].totals.newFiles, 1);
    EXPECT_FALSE(test.display.statisticsShown[0].preview);
    EXPECT_EQ(test.display.treeNodes,
              (Lines{"0:Job #1: Fotos", "1:Datei kopiert", "2:" + one + "a.txt",
                     "1:Datei nicht vorhanden", "2:" + one + "a.txt"}));
    EXPECT_EQ(test.display.statusTexts.back(), "Bereit.");

    EXPECT_EQ(RunAllJobs(program), RunOutcome::Clean);
    EXPECT_EQ(Messages(), Lines{"Es wurden keine Änderungen festgestellt."});
    EXPECT_EQ(test.display.treeNodes.back(), "2:Die Verzeichnisse/Laufwerke sind identisch");
}

TEST_F(RunDriverTest, PreviewComparesButCopiesDeletesAndStampsNothing) {
    program.settings.WindowHidden = 0;
    test::WriteFile(one + "new.txt", "n");
    test::WriteFile(two + "surplus.txt", "s");
    SyncJob& job = test.AddJob(one, two);
    job.DeleteFiles = 1;

    RunAllJobs(program, RunKind::Preview);

    EXPECT_FALSE(test::PathExists(two + "new.txt"));
    EXPECT_TRUE(test::PathExists(two + "surplus.txt"));
    EXPECT_EQ(job.LastRun, 0);
    ASSERT_EQ(test.display.statisticsShown.size(), 1u);
    EXPECT_TRUE(test.display.statisticsShown[0].preview);
    const Lines log = test::MaskedLogLines(dir / "Quorvex.log");
    EXPECT_EQ(test::LogSection(log, "### LÖSCHEN:", "### STATISTIK:"),
              (Lines{"### LÖSCHEN:", "### LÖSCHEN (0) DAUERTE: <time>", "",
                     "### KOPIEREN:", "### KOPIEREN (0) DAUERTE: <time>", ""}));
}

TEST_F(RunDriverTest, AbortStopsTheJobLoopButTheLogAndPriorityAreRestored) {
    program.settings.Priority = kPriorityHigh;
    test::WriteFile(one + "a.txt", "a");
    test.AddJob(one, two);
    test.AddJob(three, two);
    test.pump.AtPoll(1, PumpEvent::EscapeKey);

    EXPECT_EQ(RunAllJobs(program), RunOutcome::Problems);

    const Lines log = test::MaskedLogLines(dir / "Quorvex.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), "### JOB #2"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "##### GESAMTSTATISTIK:"), 1);
    EXPECT_EQ(test.system.calls, (Lines{"priority 128", "priority 32"}));
}

// Every run starts afresh: the ESC that ended the last run must not stop the next one.
TEST_F(RunDriverTest, APreviewRightAfterAnAbortedRunRunsItsJobs) {
    program.settings.WindowHidden = 0;
    test::WriteFile(one + "a.txt", "a");
    test.AddJob(one, two);
    test.pump.AtPoll(1, PumpEvent::EscapeKey);
    ASSERT_EQ(RunAllJobs(program), RunOutcome::Problems);

    EXPECT_EQ(RunAllJobs(program, RunKind::Preview), RunOutcome::Clean);

    EXPECT_FALSE(program.run.abortRequested);
    const Lines log = test::MaskedLogLines(dir / "Quorvex.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), "### JOB #1"), 1);
    ASSERT_EQ(test.display.statisticsShown.size(), 1u);
    EXPECT_TRUE(test.display.statisticsShown[0].preview);
    EXPECT_FALSE(test::PathExists(two + "a.txt"));
}

// Ctrl-C, `timeout` or a service stop end the run as ESC does, without a message box that
// nobody may be there to click; a signal ignored before the run (nohup) stays ignored.
TEST_F(RunDriverTest, TerminationSignalsAbortLikeEscapeWithoutAMessage) {
    program.settings.WindowHidden = 0;
    test::WriteFile(one + "a.txt", "a");
    test::WriteFile(one + "b.txt", "b");
    test.AddJob(one, two);
    test.AddJob(three, two);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction hangUpBefore {};
    sigaction(SIGHUP, &ignore, &hangUpBefore);
    const std::string aCopied = "Datei kopiert: '" + one + "a.txt' -> '" + two + "a.txt'";
    test.pump.At(
        [&](int poll) {
            if (poll == 1) {
                raise(SIGHUP);
            }
            const Lines lines = test.LogLines();
            if (lines.back() == aCopied) {
                raise(SIGTERM);
                raise(SIGINT);  // a second signal changes nothing
            }
            return false;
        },
        PumpEvent::None);

    const RunOutcome outcome = RunAllJobs(program);

    struct sigaction terminate {};
    sigaction(SIGTERM, nullptr, &terminate);
    struct sigaction hangUp {};
    sigaction(SIGHUP, &hangUpBefore, &hangUp);
    EXPECT_EQ(outcome, RunOutcome::Problems);
    EXPECT_EQ(Messages(), Lines{});
    const Lines log = test::MaskedLogLines(dir / "Quorvex.log");
    EXPECT_EQ(test::LogSection(log, "### KOPIEREN:", "### STATISTIK:"),
              (Lines{"### KOPIEREN:", aCopied, "!!! BENUTZERABBRUCH",
                     "### KOPIEREN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "### JOB #2"), 0);
    std::vector<DirEntry> left;
    ListDirectory(two, left);
    EXPECT_EQ(left.size(), 3u);  // ".", ".." and a.txt
    EXPECT_TRUE(program.run.abortRequested);
    EXPECT_EQ(program.settings.ExitAfterRun, 1);
    EXPECT_EQ(terminate.sa_handler, SIG_DFL);
    EXPECT_EQ(hangUp.sa_handler, SIG_IGN);
}

TEST_F(RunDriverTest, HistoryLogNameGetsTheTickCountWhenTaken) {
    program.settings.LogfileNo = 1;
    const DateValue now = MakeDateValue({2026, 12, 6, 1, 55, 30});
    const std::string plain = dir / "Quorvex_20261206_015530.log";
    EXPECT_EQ(RunLogPath(program.settings, now, 4711), plain);
    test::WriteFile(plain, "");
    EXPECT_EQ(RunLogPath(program.settings, now, 4711), dir / "Quorvex_20261206_015530_4711.log");
    program.settings.LogfileNo = 0;
    EXPECT_EQ(RunLogPath(program.settings, now, 4711), dir / "Quorvex.log");
}

TEST_F(RunDriverTest, ExitStatusFollowsTheOutcome) {
    EXPECT_EQ(ExitStatusAfter(RunOutcome::Clean), 0);
    EXPECT_EQ(ExitStatusAfter(RunOutcome::Problems), 1);
    EXPECT_EQ(ExitStatusAfter(RunOutcome::Refused), 2);
}

}  // namespace
}  // namespace quorvex
