// What a mirror run shows and leaves: rows, fields and status texts in window mode, the
// preview that deletes nothing, and a target that ends as an exact copy.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "reliability/MirrorFixture.h"
#include "support/ForkedChild.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::Lines;
using test::LogSection;
using test::WriteFile;

constexpr long long kTime = 1780000000;

using MirrorExactnessTest = test::MirrorFixture;

// The target holds a folder where the source has a file, one second newer than it: the
// folder goes as surplus and the file must still be copied.
TEST_F(MirrorExactnessTest, FileWhoseTargetIsAFolderArrivesAfterTheFolderGoes) {
    WriteFile(src + "b", "a file now");
    test::SetModificationTime(src + "b", kTime);
    test::MakeFolder(dst + "b/c");
    WriteFile(dst + "b/c/d", "old");
    test::SetModificationTime(dst + "b", kTime + 1);
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::RsyncDifferences(src, dst, true), "");
    EXPECT_EQ(LogSection(Log(), "### ÄNDERUNGEN:", "")[1], "Neue Datei: '" + src + "b'");
}

TEST_F(MirrorExactnessTest, WithoutMirrorTheFolderStaysAndTheCopyFails) {
    WriteFile(src + "b", "a file now");
    test::MakeFolder(dst + "b");
    WriteFile(dst + "b/inside", "kept");
    const SyncJob& job = Job(false);

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(Losses(false), "");
    EXPECT_EQ(test.program.engine.stats.copyErrors, 1);
    EXPECT_EQ(LogSection(Log(), "### KOPIEREN:", "")[3], "\t-4: Konnte Zieldatei nicht erstellen");
}

// Links inside a surplus folder are removed as links, and a surplus link is deleted like
// a file: what they point to stays, also outside the target.
TEST_F(MirrorExactnessTest, SurplusFoldersAreRemovedWithoutFollowingLinks) {
    const std::string outside = dir / "outside/";
    test::MakeFolder(outside + "folder");
    WriteFile(outside + "folder/precious.txt", "precious");
    WriteFile(outside + "file.txt", "also precious");
    test::MakeFolder(dst + "old/deeper");
    symlink((outside + "folder").c_str(), (dst + "old/to-folder").c_str());
    symlink((outside + "file.txt").c_str(), (dst + "old/deeper/to-file").c_str());
    symlink(outside.c_str(), (dst + "root-link").c_str());
    test::MakeFolder(src + "kept");
    const test::TreeContents outsideBefore = test::ReadTree(outside);
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(test::ReadTree(outside), outsideBefore);
    EXPECT_FALSE(test::PathExists(dst + "old"));
    EXPECT_EQ(
        LogSection(Log(), "### LÖSCHEN:", "### KOPIEREN:"),
        (Lines{"### LÖSCHEN:", "Ordner gelöscht: '" + dst + "old/'",
               "Datei gelöscht '" + dst + "root-link'", "### LÖSCHEN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(test::ReadTree(dst), (test::TreeContents{{"kept", "<folder>"}}));
}

// Surplus is what the source on disk lacks, not what the filter left out of the job.
TEST_F(MirrorExactnessTest, FilteredOutFilesOfTheSourceKeepTheirCopies) {
    WriteFile(src + "photo.jpg", "new picture");
    WriteFile(src + "notes.txt", "notes");
    WriteFile(dst + "photo.jpg", "older picture");
    WriteFile(dst + "gone.jpg", "surplus");
    SyncJob& job = Job();
    job.Extentions = ".txt";

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(test::ReadTree(dst),
              (test::TreeContents{{"notes.txt", "notes"}, {"photo.jpg", "older picture"}}));
}

TEST_F(MirrorExactnessTest, PreviewReadsTheTargetAndDeletesNothing) {
    test::MakeFolder(dst + "old");
    WriteFile(dst + "old/x", "x");
    WriteFile(dst + "surplus.txt", "s");
    test.program.run.kind = RunKind::Preview;
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(test::ReadTree(dst), targetBefore);
    EXPECT_EQ(LogSection(Log(), "### LESE ZIEL-ORDNER: '" + dst + "'", "### KOPIEREN:"),
              (Lines{"### LESE ZIEL-ORDNER: '" + dst + "'", "Ordner: 1, Dateien: 2",
                     "### EINLESEN DAUERTE: <time>", "",
                     "### LÖSCHEN:", "### LÖSCHEN (0) DAUERTE: <time>", ""}));
    EXPECT_EQ(test.program.engine.stats.targetFiles, 2);
}

class WindowedDeletionTest : public ::testing::Test, public test::MirrorScene {
  protected:
    WindowedDeletionTest() : MirrorScene(true) { test.display.wantChangeList = true; }

    bool Row(const std::string& detail) const {
        const std::vector<std::string>& rows = test.program.changeList;
        return std::find(rows.begin(), rows.end(), "Job #1: Job" + detail) != rows.end();
    }
    long StatusTexts(const std::string& prefix) const {
        const std::vector<std::string>& texts = test.display.statusTexts;
        return std::count_if(texts.begin(), texts.end(), [&prefix](const std::string& text) {
            return text.rfind(prefix, 0) == 0;
        });
    }
};

TEST_F(WindowedDeletionTest, RowsFieldsAndThrottledStatus) {
    constexpr int kSurplus = 3000;
    for (int i = 0; i < kSurplus; ++i) {
        WriteFile(dst + "surplus" + std::to_string(i), "");
    }
    test::MakeFolder(dst + "old");
    WriteFile(dst + "old/x", "x");
    // The source is empty: the user is asked before the target is emptied.
    test.dialogs.yesNoAnswers.push_back(true);
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(test::ReadTree(dst), test::TreeContents{});
    EXPECT_TRUE(Row("|Quelle fehlt|" + dst + "old/"));
    EXPECT_TRUE(Row("|Quelle fehlt|" + dst + "surplus2999"));
    EXPECT_EQ(test.program.changeList.size(), kSurplus + 1u);
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::DeletedFiles)], "3.000");
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::TargetFiles)], "3.001");
    EXPECT_EQ(StatusTexts("Lese Ziel ein..."), 1);
    EXPECT_EQ(StatusTexts("Lösche überflüssige Dateien auf Ziel..."), 1);
    // One refresh at most every 10 ms, never one per file.
    EXPECT_LT(StatusTexts("Lösche... ("), kSurplus / 10);
}

// Rows for failures need deletions that fail, so the job runs as "nobody" in a child
// process and hands its rows and fields back through a file.
TEST_F(WindowedDeletionTest, FailedDeletionsGiveTheirRowsAndTheErrorField) {
    QUORVEX_REQUIRE_ROOT("gives the target to nobody and keeps a file of root's in it");
    const std::string out = dir / "out/";
    test::MakeFolder(out);
    test::MakeFolder(dst + "stuck");
    WriteFile(dst + "stuck/a.txt", "a");
    WriteFile(dst + "foreign.txt", "f");
    chmod(dir.path().c_str(), 0755);
    test::ShellOutput("chown -R 65534:65534 '" + dst + "' '" + out + "'");
    // Read-only and not nobody's: its mode cannot be changed, yet its folder lets it go.
    chown((dst + "foreign.txt").c_str(), 0, 0);
    chmod((dst + "foreign.txt").c_str(), 0444);
    chmod((dst + "stuck").c_str(), 0555);
    test.dialogs.yesNoAnswers.push_back(true);  // the source is empty
    const SyncJob& job = Job();

    const int status = test::RunInChild([&] {
        if (!test::DropToNobody()) {
            return 10;
        }
        Sync(job);
        std::ofstream file(out + "rows");
        for (const std::string& row : test.program.changeList) {
            file << row << "\n";
        }
        file << test.display.fields[static_cast<int>(StatField::DeleteErrors)] << "\n";
        return 0;
    });

    ASSERT_EQ(status, 0);
    EXPECT_EQ(test::ReadFile(out + "rows"),
              "Job #1: Job|Attributfehler|" + dst + "foreign.txt\n" +    //
                  "Job #1: Job|Quelle fehlt|" + dst + "foreign.txt\n" +  //
                  "Job #1: Job|Löschfehler|" + dst + "stuck/a.txt\n" +   //
                  "1\n");
    EXPECT_EQ(test::ReadFile(dst + "stuck/a.txt"), "a");
}

}  // namespace
}  // namespace quorvex
