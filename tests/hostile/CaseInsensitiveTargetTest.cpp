// On a target that ignores case, a name whose case changed in the source is one entry
// under two spellings: the mirror must end with it under the source's spelling.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hostile/HostileScene.h"
#include "hostile/Mounts.h"

namespace quorvex {
namespace {

using test::HostileScene;

// FAT keeps times in steps of two seconds.
constexpr long long kOld = 1700000000;

// Both times are set: FUSE's FAT driver drops a modification time that comes alone.
void PutDated(const std::string& path, const std::string& content) {
    test::WriteFile(path, content);
    const timespec times[2] = {{kOld, 0}, {kOld, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

TEST(CaseInsensitiveTargetTest, CaseOnlyRenameEndsUnderTheNewNameInOneRun) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a FAT image needs root";
    }
    HostileScene scene;
    const std::string rsyncTarget = scene.twin + "dst/";
    test::MakeFolder(rsyncTarget);
    test::Mounts mounts;
    if (!mounts.Fat(scene.root / "target.img", scene.dst) ||
        !mounts.Fat(scene.root / "twin.img", rsyncTarget)) {
        GTEST_SKIP() << "no FAT image can be mounted here (kernel vfat, or fusefat with "
                        "dosfstools and fuse)";
    }
    for (const std::string& path :
         {scene.dst + "Thesis.txt", rsyncTarget + "Thesis.txt", scene.src + "thesis.txt"}) {
        PutDated(path, "chapter one");
    }
    // FAT keeps no modes: the source gets the one its driver shows, so that only the
    // name's case tells the two apart.
    chmod((scene.src + "thesis.txt").c_str(), test::Permissions(scene.dst + "Thesis.txt"));
    ASSERT_EQ(test::ModificationTime(scene.dst + "Thesis.txt"), kOld);
    scene.Freeze();
    // What rsync can do on FAT: no modes, no temporary file, no folder times.
    test::RunProcess({"rsync", "-rtO", "--inplace", "--delete", scene.src, rsyncTarget});

    const test::ProcessResult result = scene.Sync({"-del"});

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(scene.OutsideChanges(), "");
    EXPECT_EQ(test::ReadTree(scene.dst), (test::TreeContents{{"thesis.txt", "chapter one"}}));
    EXPECT_EQ(test::ReadTree(scene.dst), test::ReadTree(rsyncTarget));
}

}  // namespace
}  // namespace quorvex
