// A mirror deletes a target entry only when the source definitely lacks it. A source that
// is empty, vanished, unreadable or only a dangling link deletes nothing and fails the run.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hostile/HostileScene.h"
#include "hostile/Mounts.h"
#include "reliability/MirrorFixture.h"

namespace quorvex {
namespace {

using test::HostileScene;
using test::Lines;

constexpr long long kOld = 1700000000;

// A file in both trees, equal, so the run has nothing to copy.
void PutInBoth(HostileScene& scene, const std::string& path, const std::string& content) {
    scene.Put(scene.src + path, content, kOld);
    scene.Put(scene.dst + path, content, kOld);
}

struct GuardCase {
    const char* name;
    bool asNobody;
    void (*build)(HostileScene&);
    // The start of the error line the run must log.
    std::string (*errorLine)(const HostileScene&);
    // rsync --delete keeps the target too (it stops deleting after an I/O error).
    bool rsyncKeepsTheTarget;
};

const GuardCase kGuardCases[] = {
    {"empty source root", false,
     [](HostileScene& scene) {
         test::MakeFolder(scene.dst + "sub");
         scene.Put(scene.dst + "a.txt", "a", kOld);
         scene.Put(scene.dst + "sub/b.txt", "b", kOld);
     },
     [](const HostileScene& scene) {
         return "!!! FEHLER: Quell-Verzeichnis ist leer, im Ziel wird nichts gelöscht: " +
                scene.src;
     },
     false},
    {"dangling source link", false,
     [](HostileScene& scene) {
         PutInBoth(scene, "keep.txt", "k");
         HostileScene::Link("../gone/video.mp4", scene.src + "video.mp4");
         scene.Put(scene.dst + "video.mp4", "the only copy", kOld);
     },
     [](const HostileScene& scene) {
         return "!!! FEHLER: Verknüpfung ohne Ziel: '" + scene.src + "video.mp4'";
     },
     false},
    {"unreadable source folder", true,
     [](HostileScene& scene) {
         PutInBoth(scene, "keep.txt", "k");
         test::MakeFolder(scene.src + "locked");
         test::MakeFolder(scene.dst + "locked");
         PutInBoth(scene, "locked/photo.jpg", "photo");
         scene.Put(scene.dst + "locked/older.jpg", "older", kOld);
         chmod((scene.src + "locked").c_str(), 0700);
     },
     [](const HostileScene& scene) {
         return "!!! FEHLER: Ordner nicht lesbar: '" + scene.src + "locked/' (";
     },
     true},
};

TEST(MirrorGuardTest, DoubtfulSourcesDeleteNothingAndFailTheRun) {
    bool leftOut = false;
    for (const GuardCase& guard : kGuardCases) {
        SCOPED_TRACE(guard.name);
        if (guard.asNobody && geteuid() != 0) {
            leftOut = true;
            continue;
        }
        HostileScene scene;
        guard.build(scene);

        const test::ProcessResult result = scene.RunBeside({"-del"}, guard.asNobody);

        EXPECT_EQ(result.exitStatus, 1) << result.err;
        EXPECT_EQ(scene.OutsideChanges(), "");
        EXPECT_EQ(test::ReadTree(scene.dst), scene.targetBefore);
        const Lines errors = test::LinesStartingWith(scene.Log(), guard.errorLine(scene));
        EXPECT_EQ(errors.size(), 1u) << guard.errorLine(scene);
        EXPECT_EQ(scene.RsyncTarget() == scene.targetBefore, guard.rsyncKeepsTheTarget);
    }
    if (leftOut) {
        GTEST_SKIP() << "the runs as nobody need root to switch users";
    }
}

// The source's file system goes away after the scan: its empty mount point is not the
// scanned source. The tmpfs stays readable through a second mount, for the check that
// the run left it alone.
TEST(MirrorGuardTest, SourceUnmountedBeforeTheDeletionDeletesNothing) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    test::MirrorScene scene;
    const std::string seen = scene.dir / "seen/";
    const std::string outside = scene.dir / "outside/";
    test::MakeFolder(seen);
    test::MakeFolder(outside);
    test::WriteFile(outside + "o.txt", "outside");
    test::Mounts mounts;
    if (!mounts.Tmpfs(scene.src) || !mounts.Bind(scene.src, seen)) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    for (const char* name : {"a1", "a2", "a3", "a4", "a5", "a6"}) {
        for (const std::string& root : {scene.src, scene.dst}) {
            test::WriteFile(root + name, name);
            test::SetModificationTime(root + name, kOld);
        }
    }
    test::WriteFile(scene.dst + "z-surplus", "surplus");
    const test::TreeState sourceBefore = test::ReadState(seen);
    const test::TreeState outsideBefore = test::ReadState(outside);
    scene.WhenLogged("### LÖSCHEN:", [&] { test::Mounts::Unmount(scene.src); });
    const SyncJob& job = scene.Job();

    scene.Sync(job);

    EXPECT_EQ(test::ReadTree(scene.dst), scene.targetBefore);
    EXPECT_FALSE(test::LinesStartingWith(scene.Log(), "!!! FEHLER: Quell-Verzeichnis").empty());
    EXPECT_GT(scene.test.program.engine.otherProblems, 0);
    EXPECT_EQ(test::StateChanges(sourceBefore, test::ReadState(seen)), "");
    EXPECT_EQ(test::StateChanges(outsideBefore, test::ReadState(outside)), "");
}

}  // namespace
}  // namespace quorvex
