// What a mirror run shows and leaves: rows, fields and status texts in window mode, the
// preview that deletes nothing, and a target that ends as an exact copy.

#include <gtest/gtest.h>

#include <algorithm>

#include "reliability/MirrorFixture.h"

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

using WindowedDeletionTest = test::WindowedDeletionFixture;

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
    EXPECT_TRUE(Row("|Quelle fehlt|" + dst + test::Native("old/")));
    EXPECT_TRUE(Row("|Quelle fehlt|" + dst + "surplus2999"));
    EXPECT_EQ(test.program.changeList.size(), kSurplus + 1u);
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::DeletedFiles)], "3.000");
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::TargetFiles)], "3.001");
    EXPECT_EQ(StatusTexts("Lese Ziel ein..."), 1);
    EXPECT_EQ(StatusTexts("Lösche überflüssige Dateien auf Ziel..."), 1);
    // One refresh at most every 10 ms, never one per file.
    EXPECT_LT(StatusTexts("Lösche... ("), kSurplus / 10);
}

}  // namespace
}  // namespace quorvex
