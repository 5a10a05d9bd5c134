// A mirror must never take a missing or unreadable source for an empty one.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "reliability/BinaryRuns.h"
#include "reliability/MirrorFixture.h"

namespace quorvex {
namespace {

using test::Lines;
using test::LogSection;
using test::WriteFile;

class SourceLossBinaryTest : public ::testing::Test, protected test::BinaryRuns {
  protected:
    SourceLossBinaryTest() {
        test::MakeFolder(src + "photos/2024");
        WriteFile(src + "photos/2024/a.jpg", "picture");
        WriteFile(src + "notes.txt", "notes");
    }
};

TEST_F(SourceLossBinaryTest, MissingSourceRootDeletesNothing) {
    EXPECT_EQ(Sync().exitStatus, 0);
    WriteFile(dst + "only-in-target.txt", "keep");
    test::ShellOutput("mv '" + src + "' '" + root.path() + "unplugged'");

    const test::ProcessResult result = MirrorAsRoot();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(test::ReadTree(dst), targetBefore);
    EXPECT_EQ(Log().back(), "FEHLER: Quell-Verzeichnis existiert nicht (mehr): " + src);
}

TEST_F(SourceLossBinaryTest, UnreadableSourceRootDeletesNothing) {
    EXPECT_EQ(Sync().exitStatus, 0);
    WriteFile(dst + "only-in-target.txt", "keep");
    test::ProcessResult result = MirrorAsNobody();
    ASSERT_EQ(result.exitStatus, 0) << "nobody can run over an open source: " << result.err;
    EXPECT_EQ(test::ReadTree(dst).count("only-in-target.txt"), 0u);
    WriteFile(dst + "only-in-target.txt", "keep");
    chmod(src.c_str(), 0700);

    result = MirrorAsNobody();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(test::ReadTree(dst), targetBefore);
}

// The folder exists but cannot be looked into: its backup stays whole, while a surplus
// file beside it is still removed and the readable rest is still copied.
TEST_F(SourceLossBinaryTest, UnreadableSourceFolderProtectsItsBackup) {
    test::MakeFolder(src + "photos/2024/raw");
    WriteFile(src + "photos/2024/raw/b.nef", "raw picture");
    EXPECT_EQ(Sync().exitStatus, 0);
    WriteFile(dst + "photos/2024/only-in-backup.jpg", "older picture");
    WriteFile(dst + "surplus.txt", "gone from the source");
    WriteFile(src + "new.txt", "new");
    // Neither searchable nor listable; listable names without any details.
    for (const mode_t mode : {0000, 0600}) {
        chmod((src + "photos").c_str(), mode);

        const test::ProcessResult result = MirrorAsNobody();

        EXPECT_EQ(result.exitStatus, 0) << mode << result.err;
        EXPECT_EQ(Losses(), "") << mode;
        EXPECT_EQ(test::ReadFile(dst + "photos/2024/only-in-backup.jpg"), "older picture");
        EXPECT_EQ(test::ReadFile(dst + "photos/2024/raw/b.nef"), "raw picture");
        EXPECT_EQ(test::ReadFile(dst + "new.txt"), "new");
        EXPECT_FALSE(test::PathExists(dst + "surplus.txt"));
        WriteFile(dst + "surplus.txt", "gone from the source");
    }
}

TEST_F(SourceLossBinaryTest, UnreadableSourceFileKeepsItsCopy) {
    EXPECT_EQ(Sync().exitStatus, 0);
    WriteFile(src + "notes.txt", "new notes, unreadable");
    test::SetModificationTime(src + "notes.txt", 1790000000);
    chmod((src + "notes.txt").c_str(), 0);

    const test::ProcessResult result = MirrorAsNobody();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::ReadFile(dst + "notes.txt"), "notes");
    const Lines copy = LogSection(Log(), "### KOPIEREN:", "### STATISTIK:");
    ASSERT_EQ(copy.size(), 6u);
    EXPECT_EQ(copy[3], "\t-3: Konnte Quelldatei nicht öffnen");
}

using SourceLossTest = test::MirrorFixture;

// An unplugged drive or a renamed folder in the middle of a run: the deletion does not
// read the vanished source as empty.
TEST_F(SourceLossTest, SourceRootVanishingBeforeTheDeletionDeletesNothing) {
    for (const char* name : {"a.txt", "b.txt"}) {
        WriteFile(src + name, name);
        WriteFile(dst + name, name);
        test::SetModificationTime(src + name, 1780000000);
        test::SetModificationTime(dst + name, 1780000000);
    }
    WriteFile(dst + "surplus.txt", "s");
    const std::string away = dir / "away";
    WhenLogged("### LESE ZIEL-ORDNER: '" + dst + "'",
               [&] { std::rename(src.substr(0, src.size() - 1).c_str(), away.c_str()); });
    const SyncJob& job = Job();

    EXPECT_EQ(Sync(job), 1);

    EXPECT_EQ(test::ReadTree(dst), targetBefore);
    EXPECT_EQ(LogSection(Log(), "### LÖSCHEN:", "### KOPIEREN:"),
              (Lines{"### LÖSCHEN:", "!!! FEHLER: Quell-Verzeichnis existiert nicht (mehr): " + src,
                     "### LÖSCHEN (0) DAUERTE: <time>", ""}));
    EXPECT_EQ(test.program.engine.otherProblems, 1);
}

}  // namespace
}  // namespace quorvex
