// A mirror must never take a missing or unreadable source for an empty one.

#include <gtest/gtest.h>

#include <algorithm>
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
    std::rename(src.substr(0, src.size() - 1).c_str(), (root / "unplugged").c_str());

    const test::ProcessResult result = MirrorAsRoot();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(test::ReadTree(dst), targetBefore);
    EXPECT_EQ(Log().back(), "FEHLER: Quell-Verzeichnis existiert nicht (mehr): " + src);
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
        for (const std::string& path : {sourceFolder, dst, dir / "away"}) {
            test::RemovePath(path);
        }
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

}  // namespace
}  // namespace quorvex
