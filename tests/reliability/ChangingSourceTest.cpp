// Source files that change while the job runs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "e2e/SyncFixture.h"
#include "reliability/MirrorFixture.h"
#include "sync/CopyFileBuffered.h"

namespace quorvex {
namespace {

using test::Lines;
using test::WriteFile;

constexpr long long kOld = 1700000000;
constexpr long long kNew = 1780000000;

class ChangingSourceTest : public test::MirrorFixture {
  protected:
    void Put(const std::string& path, const std::string& content, long long time) {
        WriteFile(path, content);
        test::SetModificationTime(path, time);
    }
};

TEST_F(ChangingSourceTest, FileDeletedBetweenComparisonAndCopyIsACopyError) {
    Put(src + "a.txt", "new a", kNew);
    Put(src + "b.txt", "new b", kNew);
    Put(dst + "b.txt", "old b", kOld);
    // The first poll of the copy phase comes after its first file.
    WhenLogged("### KOPIEREN:", [this] { std::remove((src + "b.txt").c_str()); });
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    sourceBefore.erase("b.txt");
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::ReadFile(dst + "b.txt"), "old b");
    const std::string pair = src + "b.txt' -> '" + dst + "b.txt'";
    EXPECT_EQ(test::LogSection(Log(), "### KOPIEREN:", "### STATISTIK:"),
              (Lines{"### KOPIEREN:", "Datei kopiert: '" + src + "a.txt' -> '" + dst + "a.txt'",
                     "! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + pair,
                     "!!! FEHLER BEIM KOPIEREN: '" + pair, "\t-2: Quelldatei nicht (mehr) gefunden",
                     "### KOPIEREN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(test.program.engine.stats.copyErrors, 1);
}

// A log file written to while it is copied, its time moved by less than the comparison's
// tolerance: the copy takes the length the file had when it was opened, is reported and
// keeps the time of the write, so the next run brings the rest.
TEST(GrowingSourceTest, FileGrowingWhileCopiedGivesAWholeEarlierVersion) {
    test::MirrorScene scene(true);
    const std::string original(16 * kCopyBlockSize + 5, 'a');
    const std::string grown = original + std::string(3 * kCopyBlockSize, 'b');
    WriteFile(scene.src + "growing.log", original);
    test::SetModificationTime(scene.src + "growing.log", kOld);
    WriteFile(scene.dst + "other.txt", "makes the target non-empty");
    const std::string path = scene.src + "growing.log";
    const test::RecordingDisplay& display = scene.test.display;
    bool grew = false;
    scene.test.pump.At(
        [&display, &path, &grew, &grown](int) {
            if (!grew && !display.fileProgress.empty() && display.fileProgress.back() > 0 &&
                display.fileProgress.back() < 100) {
                grew = true;
                std::ofstream(path, std::ios::binary | std::ios::app)
                    << grown.substr(grown.size() - 3 * kCopyBlockSize);
                test::SetModificationTime(path, kOld + 1);
            }
            return false;
        },
        PumpEvent::None);
    const SyncJob& job = scene.Job(false);
    const long long start = std::time(nullptr);

    EXPECT_TRUE(scene.Sync(job));

    ASSERT_TRUE(grew);
    EXPECT_EQ(test::LogSection(scene.Log(), "### KOPIEREN:", "### STATISTIK:"),
              (Lines{"### KOPIEREN:", "! QUELLDATEI WÄHREND DES KOPIERENS GEÄNDERT: '" + path + "'",
                     "Datei kopiert: '" + path + "' -> '" + scene.dst + "growing.log'",
                     "### KOPIEREN (1) DAUERTE: <time>", ""}));
    EXPECT_GE(test::ModificationTime(scene.dst + "growing.log"), start);
    const std::string copied = test::ReadFile(scene.dst + "growing.log");
    EXPECT_EQ(copied.size(), original.size());
    EXPECT_TRUE(copied == original);
    EXPECT_LE(*std::max_element(display.fileProgress.begin(), display.fileProgress.end()), 100);
    EXPECT_EQ(scene.test.program.engine.stats.filesCopied, 1);

    test::MirrorScene again(false);
    const SyncJob& next = again.test.AddJob(scene.src, scene.dst);
    again.test.program.engine.jobNumber = 1;
    EXPECT_TRUE(RunJob(again.test.program, next));
    EXPECT_TRUE(test::ReadFile(scene.dst + "growing.log") == grown);
}

// A file cut short while it is copied ends the first attempt early; the second attempt
// takes the file as it is now, and that is no copy error.
TEST(ShrinkingSourceTest, FileCutShortWhileCopiedIsTakenByTheSecondAttempt) {
    test::MirrorScene scene(true);
    const std::string path = scene.src + "shrinking.log";
    WriteFile(path, std::string(16 * kCopyBlockSize + 5, 'a'));
    WriteFile(scene.dst + "other.txt", "makes the target non-empty");
    const std::string shrunk(kCopyBlockSize / 2, 's');
    const test::RecordingDisplay& display = scene.test.display;
    bool cut = false;
    scene.test.pump.At(
        [&display, &path, &cut, &shrunk](int) {
            if (!cut && !display.fileProgress.empty() && display.fileProgress.back() > 0 &&
                display.fileProgress.back() < 100) {
                cut = true;
                WriteFile(path, shrunk);
                test::SetModificationTime(path, kOld);
            }
            return false;
        },
        PumpEvent::None);
    const SyncJob& job = scene.Job(false);

    EXPECT_TRUE(scene.Sync(job));

    ASSERT_TRUE(cut);
    const std::string pair = path + "' -> '" + scene.dst + "shrinking.log'";
    EXPECT_EQ(
        test::LogSection(scene.Log(), "### KOPIEREN:", "### STATISTIK:"),
        (Lines{"### KOPIEREN:", "! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + pair,
               "! DATEI ERFOLGREICH KOPIERT: '" + pair, "### KOPIEREN (0) DAUERTE: <time>", ""}));
    EXPECT_EQ(test::ReadTree(scene.dst),
              (test::TreeContents{{"other.txt", "makes the target non-empty"},
                                  {"shrinking.log", shrunk}}));
    EXPECT_EQ(test::ModificationTime(scene.dst + "shrinking.log"), kOld);
    EXPECT_EQ(scene.test.program.engine.stats.copyErrors, 0);
}

}  // namespace
}  // namespace quorvex
