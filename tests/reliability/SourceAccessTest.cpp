// A mirror must never take an unreadable source, or a link whose target is gone, for an
// absent one: POSIX permissions and links.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "reliability/BinaryRuns.h"
#include "reliability/MirrorFixture.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::Lines;
using test::LogSection;
using test::WriteFile;

class SourceAccessBinaryTest : public ::testing::Test, protected test::BinaryRuns {
  protected:
    SourceAccessBinaryTest() {
        test::MakeFolder(src + "photos/2024");
        WriteFile(src + "photos/2024/a.jpg", "picture");
        WriteFile(src + "notes.txt", "notes");
    }
};

using SourceAccessTest = test::MirrorFixture;

TEST_F(SourceAccessBinaryTest, UnreadableSourceRootDeletesNothing) {
    QUORVEX_REQUIRE_ROOT("runs the program as nobody");
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
// file beside it is still removed and the readable rest is still copied; the run says
// what it could not read and ends with status 1.
TEST_F(SourceAccessBinaryTest, UnreadableSourceFolderProtectsItsBackup) {
    QUORVEX_REQUIRE_ROOT("runs the program as nobody");
    test::MakeFolder(src + "photos/2024/raw");
    WriteFile(src + "photos/2024/raw/b.nef", "raw picture");
    EXPECT_EQ(Sync().exitStatus, 0);
    WriteFile(dst + "photos/2024/only-in-backup.jpg", "older picture");
    WriteFile(dst + "surplus.txt", "gone from the source");
    WriteFile(src + "new.txt", "new");
    // Neither searchable nor listable; listable names without any details.
    const std::string problem =
        "!!! FEHLER: Ordner nicht lesbar: '" + src + "photos/' (Permission denied)";
    for (const mode_t mode : {0000, 0600}) {
        chmod((src + "photos").c_str(), mode);

        const test::ProcessResult result = MirrorAsNobody();

        EXPECT_EQ(result.exitStatus, 1) << mode << result.err;
        const Lines log = Log();
        EXPECT_NE(std::find(log.begin(), log.end(), problem), log.end()) << problem;
        EXPECT_EQ(Losses(), "") << mode;
        EXPECT_EQ(test::ReadFile(dst + "photos/2024/only-in-backup.jpg"), "older picture");
        EXPECT_EQ(test::ReadFile(dst + "photos/2024/raw/b.nef"), "raw picture");
        EXPECT_EQ(test::ReadFile(dst + "new.txt"), "new");
        EXPECT_FALSE(test::PathExists(dst + "surplus.txt"));
        WriteFile(dst + "surplus.txt", "gone from the source");
    }
}

TEST_F(SourceAccessBinaryTest, UnreadableSourceFileKeepsItsCopy) {
    QUORVEX_REQUIRE_ROOT("runs the program as nobody");
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

// A link whose target is gone (the other disk is unplugged) and a link to a folder elsewhere
// are no absence: their backup copies stay, and the broken link is reported.
TEST_F(SourceAccessTest, SourceLinksProtectTheirBackupCopies) {
    WriteFile(src + "keep.txt", "k");
    symlink("../gone/video.mp4", (src + "video.mp4").c_str());
    test::MakeFolder(dir / "elsewhere");
    symlink("../elsewhere", (src + "archive").c_str());
    WriteFile(dst + "video.mp4", "the only copy of the video");
    test::MakeFolder(dst + "archive");
    WriteFile(dst + "archive/old.txt", "the only copy of the archive");
    WriteFile(dst + "surplus.txt", "s");

    EXPECT_EQ(Sync(Job()), 1);

    EXPECT_EQ(test::ReadFile(dst + "video.mp4"), "the only copy of the video");
    EXPECT_EQ(test::ReadFile(dst + "archive/old.txt"), "the only copy of the archive");
    EXPECT_FALSE(test::PathExists(dst + "surplus.txt"));
    EXPECT_TRUE(Logged("!!! FEHLER: Verknüpfung ohne Ziel: '" + src +
                       "video.mp4' (No such file or directory)"));
    EXPECT_EQ(test.program.engine.otherProblems, 1);
}

}  // namespace
}  // namespace quorvex
