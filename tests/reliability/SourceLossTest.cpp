// A mirror must never take a missing or unreadable source for an empty one.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "reliability/BinaryRuns.h"
#include "reliability/MirrorFixture.h"
#include "support/RootOnly.h"

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
TEST_F(SourceLossBinaryTest, UnreadableSourceFolderProtectsItsBackup) {
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

TEST_F(SourceLossBinaryTest, UnreadableSourceFileKeepsItsCopy) {
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

using SourceLossTest = test::MirrorFixture;

// An unplugged drive, a renamed folder, or an empty folder put in the source's place in the
// middle of a run (as an unmounted drive leaves its mount point): the deletion does not
// read the vanished source as empty, also when it vanishes after the deletion has begun
// and the next surplus entry is a whole folder.
TEST_F(SourceLossTest, SourceRootVanishingDuringTheRunDeletesNothing) {
    const std::string sourceFolder = src.substr(0, src.size() - 1);
    const std::string missing = "!!! FEHLER: Quell-Verzeichnis existiert nicht (mehr): " + src;
    const struct {
        std::string lostAfter;
        bool replaced;
        std::string error;
    } cases[] = {
        {"### LESE ZIEL-ORDNER: '" + dst + "'", false, missing},
        {"### LESE ZIEL-ORDNER: '" + dst + "'", true,
         "!!! FEHLER: Quell-Verzeichnis ist nicht mehr derselbe Ordner, nichts wird "
         "gelöscht: " +
             src},
        // The first poll of the deletion follows the judging of "a.txt".
        {"### LÖSCHEN:", false, missing},
    };
    for (const auto& [lostAfter, replaced, error] : cases) {
        test::ShellOutput("rm -rf '" + sourceFolder + "' '" + dst + "' '" + (dir / "away") + "'");
        test::MakeFolder(src + "sub");
        test::MakeFolder(dst + "sub");
        for (const char* name : {"a.txt", "b.txt", "sub/c.txt"}) {
            WriteFile(src + name, name);
            WriteFile(dst + name, name);
            test::SetModificationTime(src + name, 1780000000);
            test::SetModificationTime(dst + name, 1780000000);
        }
        // Sorted between "a.txt" and "b.txt": the first entry after "a.txt" is this folder.
        test::MakeFolder(dst + "a_surplus");
        WriteFile(dst + "a_surplus/s.txt", "s");
        WhenLogged(lostAfter, [&, replaced = replaced] {
            std::rename(sourceFolder.c_str(), (dir / "away").c_str());
            if (replaced) {
                test::MakeFolder(src);
            }
        });
        test.program.engine.otherProblems = 0;
        const SyncJob& job = Job();

        EXPECT_TRUE(Sync(job));

        EXPECT_EQ(test::ReadTree(dst), targetBefore) << lostAfter << error;
        EXPECT_EQ(LogSection(Log(), "### LÖSCHEN:", "### KOPIEREN:"),
                  (Lines{"### LÖSCHEN:", error, "### LÖSCHEN (0) DAUERTE: <time>", ""}));
        EXPECT_EQ(test.program.engine.otherProblems, 1);
        test.program.jobs.Clear();
        test.program.log.BeginRunLog();
    }
}

// An empty source root is far more often an unplugged disk than a wish to empty the
// backup: unattended it deletes nothing and fails; in the window only a Yes (not the
// preset answer) lets the mirror go on.
TEST(EmptySourceTest, EmptiesTheTargetOnlyAfterTheUsersYes) {
    const struct {
        bool window;
        bool answer;
        bool emptied;
    } cases[] = {{false, true, false}, {true, false, false}, {true, true, true}};
    for (const auto& [window, answer, emptied] : cases) {
        test::MirrorScene scene(window);
        test::MakeFolder(scene.dst + "photos");
        WriteFile(scene.dst + "photos/a.jpg", "the only copy");
        scene.test.dialogs.yesNoAnswers.push_back(answer);

        EXPECT_EQ(scene.Sync(scene.Job()), 1);

        const std::string error =
            "!!! FEHLER: Quell-Verzeichnis ist leer, im Ziel wird nichts gelöscht: " + scene.src;
        EXPECT_EQ(test::PathExists(scene.dst + "photos/a.jpg"), !emptied) << window << answer;
        EXPECT_EQ(scene.Logged(error), !emptied) << window << answer;
        EXPECT_EQ(scene.test.program.engine.otherProblems, emptied ? 0 : 1);
        EXPECT_EQ(scene.test.dialogs.presets, window ? std::vector<PresetAnswer>{PresetAnswer::No}
                                                     : std::vector<PresetAnswer>{});
    }
}

// A link whose target is gone (the other disk is unplugged) and a link to a folder elsewhere
// are no absence: their backup copies stay, and the broken link is reported.
TEST_F(SourceLossTest, SourceLinksProtectTheirBackupCopies) {
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
