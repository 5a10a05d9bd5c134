#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "support/TreeCheck.h"
#include "sync/CopyFileBuffered.h"
#include "sync/RunJob.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;
constexpr long long kTime = 1780000000;

long long MTime(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return static_cast<long long>(info.st_mtim.tv_sec);
}

unsigned Mode(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class CopyTest : public ::testing::Test {
  protected:
    CopyTest() {
        test::MakeFolder(src);
        test::MakeFolder(dst);
        test.program.engine.target.Open(dst);
    }
    int Copy(const std::string& from, const std::string& to) {
        return CopyFileBuffered(test.program, from, to, nullptr);
    }
    std::string Leftovers() { return test::ShellOutput("ls -A " + dst + " | grep quorvex"); }

    test::TempDir dir;
    const std::string src = dir / "src/";
    const std::string dst = dir / "dst/";
    test::TestProgram test;
};

TEST_F(CopyTest, CopiedFileTakesDatesAndModeWithTheUtcHours) {
    test::WriteFile(src + "a.txt", "content");
    test::SetModificationTime(src + "a.txt", kTime);
    chmod((src + "a.txt").c_str(), 0444);
    test.program.settings.UTC_Time = 2;

    EXPECT_EQ(Copy(src + "a.txt", dst + "a.txt"), kCopyDone);

    EXPECT_EQ(test::ReadFile(dst + "a.txt"), "content");
    EXPECT_EQ(MTime(dst + "a.txt"), kTime + 7200);
    EXPECT_EQ(Mode(dst + "a.txt"), 0444u);
    EXPECT_EQ(Leftovers(), "");
}

TEST_F(CopyTest, EmptySourceGivesAnEmptyTarget) {
    test::WriteFile(src + "empty", "");
    test::WriteFile(dst + "empty", "old");
    EXPECT_EQ(Copy(src + "empty", dst + "empty"), kCopyDone);
    EXPECT_EQ(test::ReadFile(dst + "empty"), "");
}

TEST_F(CopyTest, FailuresLeaveTheOldTargetAndNoTemporaryFile) {
    test::WriteFile(dst + "keep", "old");
    test::MakeFolder(src + "folder");
    test::WriteFile(src + "a", "new");
    test::MakeFolder(dst + "taken");

    EXPECT_EQ(Copy(src + "missing", dst + "keep"), kCopySourceMissing);
    EXPECT_EQ(Copy(src + "folder", dst + "keep"), kCopySourceMissing);
    ASSERT_EQ(mkfifo((src + "fifo").c_str(), 0644), 0);
    EXPECT_EQ(Copy(src + "fifo", dst + "keep"), kCopySourceMissing);
    ASSERT_EQ(symlink("nowhere", (src + "dangling").c_str()), 0);
    EXPECT_EQ(Copy(src + "dangling", dst + "keep"), kCopySourceMissing);
    ASSERT_EQ(symlink("loop", (src + "loop").c_str()), 0);
    EXPECT_EQ(Copy(src + "loop", dst + "keep"), kCopySourceMissing);
    EXPECT_EQ(Copy(src + "a", dst + "no/such/folder/a"), kCopyTargetNotCreated);
    EXPECT_EQ(Copy(src + "a", dst + "taken"), kCopyTargetNotCreated);
    EXPECT_EQ(test::ReadFile(dst + "keep"), "old");
    EXPECT_EQ(Leftovers(), "");
}

TEST_F(CopyTest, ProgressRunsAfterEveryBlock) {
    test::WriteFile(src + "big", std::string(3 * kCopyBlockSize + 10, 'x'));
    std::vector<int> progress;
    EXPECT_EQ(CopyFileBuffered(test.program, src + "big", dst + "big",
                               [&progress](int percent) { progress.push_back(percent); }),
              kCopyDone);
    EXPECT_EQ(progress, (std::vector<int>{33, 66, 99, 100}));
}

TEST_F(CopyTest, EscapeInTheMiddleOfALargeCopyKeepsTheOldTarget) {
    const std::string big(64 * kCopyBlockSize, 'N');
    test::WriteFile(src + "a.txt", "small");
    test::WriteFile(src + "big.bin", big);
    test::WriteFile(dst + "big.bin", "old version");
    test::SetModificationTime(dst + "big.bin", kTime);
    test.program.settings.WindowHidden = 0;
    const test::RecordingDisplay& display = test.display;
    test.pump.At(
        [&display](int) {
            return !display.fileProgress.empty() && display.fileProgress.back() > 0 &&
                   display.fileProgress.back() < 100;
        },
        PumpEvent::EscapeKey);
    test.program.engine.jobNumber = 1;
    SyncJob& job = test.AddJob(src, dst);

    EXPECT_EQ(RunJob(test.program, job), 1);

    EXPECT_EQ(test::ReadFile(dst + "big.bin"), "old version");
    EXPECT_EQ(MTime(dst + "big.bin"), kTime);
    EXPECT_EQ(test::ReadFile(dst + "a.txt"), "small");
    EXPECT_EQ(Leftovers(), "");
    ASSERT_EQ(test.dialogs.messages.size(), 1u);
    EXPECT_EQ(test.dialogs.messages[0].text, "Benutzer hat Operation abgebrochen");
    const Lines log = test::MaskLines(test.LogLines());
    const std::string pair = src + "big.bin' -> '" + dst + "big.bin'";
    EXPECT_EQ(test::LogSection(log, "### ÄNDERUNGEN:", "### STATISTIK:"),
              (Lines{"### ÄNDERUNGEN:", "Neue Datei: '" + src + "a.txt'",
                     "Datum geändert: '" + src + "big.bin'",
                     "### ÄNDERUNGEN (2) FESTSTELLEN DAUERTE: <time>", "",
                     "### KOPIEREN:", "Datei kopiert: '" + src + "a.txt' -> '" + dst + "a.txt'",
                     "!!! FEHLER BEIM KOPIEREN: '" + pair,
                     "\t-5: Zieldatei konnte nicht korrekt geschrieben werden",
                     "!!! BENUTZERABBRUCH", "### KOPIEREN (1) DAUERTE: <time>", ""}));
    const Lines statistics = test::LogSection(log, "### STATISTIK:", "");
    ASSERT_EQ(statistics.size(), 20u);
    EXPECT_EQ(statistics[10], "Fehler beim Datei kopieren: 1");
    EXPECT_EQ(statistics.back(), "");
}

TEST_F(CopyTest, EscapeDuringTheSourceReadStillWritesEveryPhase) {
    test::WriteFile(src + "a", "a");
    test::WriteFile(src + "b", "b");
    test::WriteFile(dst + "x", "x");
    test.pump.AtPoll(3, PumpEvent::EscapeKey);
    SyncJob& job = test.AddJob(src, dst);
    job.DeleteFiles = 1;

    EXPECT_EQ(RunJob(test.program, job), 1);

    const Lines log = test::MaskLines(test.LogLines());
    EXPECT_EQ(test::LogSection(log, "### LESE QUELL-ORDNER: '" + src + "'", "### STATISTIK:"),
              (Lines{"### LESE QUELL-ORDNER: '" + src + "'", "Ordner: 0, Dateien: 1",
                     "### EINLESEN DAUERTE: <time>", "",
                     "### ÄNDERUNGEN:", "### ÄNDERUNGEN (0) FESTSTELLEN DAUERTE: <time>", "",
                     "### KOPIEREN:", "### KOPIEREN (0) DAUERTE: <time>", ""}));
    EXPECT_TRUE(test::PathExists(dst + "x")) << "no deletion after an abort";
}

// A killed run leaves its temporary file behind; the next run removes it in either mode,
// but never one a live writer still holds, never one the source has, and never counts or
// logs either as a target file.
TEST_F(CopyTest, TemporaryFilesOfAKilledRunGoOnesBeingWrittenStay) {
    for (const bool mirror : {false, true}) {
        SCOPED_TRACE(mirror ? "mirror" : "copy only");
        test::TempDir run;
        const std::string from = run / "src/";
        const std::string to = run / "dst/";
        test::MakeFolder(from + "sub");
        test::MakeFolder(to + "sub");
        test::WriteFile(from + "a.txt", "a");
        test::WriteFile(from + ".quorvex-Source", "the source's own");
        test::WriteFile(to + ".quorvex-Source", "old");
        test::WriteFile(to + ".quorvex-Stale1", "killed");
        test::WriteFile(to + "sub/.quorvex-Deep99", "killed");
        test::WriteFile(to + ".quorvex-Held22", "being written");
        test::WriteFile(to + ".quorvex-Longer7", "an ordinary file");
        const int writer = open((to + ".quorvex-Held22").c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(flock(writer, LOCK_EX), 0);
        test::TestProgram runner;
        runner.program.engine.jobNumber = 1;
        SyncJob& job = runner.AddJob(from, to);
        job.DeleteFiles = mirror ? 1 : 0;

        EXPECT_EQ(RunJob(runner.program, job), 1);
        close(writer);

        EXPECT_FALSE(test::PathExists(to + ".quorvex-Stale1"));
        EXPECT_FALSE(test::PathExists(to + "sub/.quorvex-Deep99"));
        EXPECT_EQ(test::ReadFile(to + ".quorvex-Held22"), "being written");
        EXPECT_EQ(test::ReadFile(to + ".quorvex-Source"), "the source's own");
        EXPECT_EQ(test::PathExists(to + ".quorvex-Longer7"), !mirror);
        EXPECT_EQ(runner.program.engine.stats.targetFiles, 2);
        const Lines log = runner.LogLines();
        const Lines deleted = test::LogSection(log, "### LÖSCHEN:", "### KOPIEREN:");
        EXPECT_EQ(deleted.size(), mirror ? 4u : 0u);
        if (mirror) {
            EXPECT_EQ(deleted[1], "Datei gelöscht '" + to + ".quorvex-Longer7'");
        }
    }
}

}  // namespace
}  // namespace quorvex
