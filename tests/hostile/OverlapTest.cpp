// Source and target that overlap through a bind mount are one tree under two names: the
// run is refused before anything is written.

#include <gtest/gtest.h>
#include <unistd.h>

#include "hostile/HostileScene.h"
#include "hostile/Mounts.h"

namespace quorvex {
namespace {

using test::HostileScene;

struct OverlapCase {
    const char* name;
    // The folder mounted a second time; source and target as the run names them.
    std::string (*mounted)(const HostileScene&);
    std::string (*source)(const HostileScene&);
    std::string (*target)(const HostileScene&);
};

std::string Mirror(const HostileScene& scene) {
    return scene.root / "mirror/";
}

const OverlapCase kOverlapCases[] = {
    {"target inside the source", [](const HostileScene& scene) { return scene.src; },
     [](const HostileScene& scene) { return scene.src; },
     [](const HostileScene& scene) { return Mirror(scene) + "backup/"; }},
    {"source inside the target", [](const HostileScene& scene) { return scene.dst; },
     [](const HostileScene& scene) { return Mirror(scene) + "data/"; },
     [](const HostileScene& scene) { return scene.dst; }},
};

TEST(OverlapTest, OverlapThroughABindMountIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "bind mounts need root";
    }
    for (const OverlapCase& overlap : kOverlapCases) {
        SCOPED_TRACE(overlap.name);
        HostileScene scene;
        test::MakeFolder(scene.src + "backup");
        test::WriteFile(scene.src + "a.txt", "a");
        test::MakeFolder(scene.dst + "data");
        test::WriteFile(scene.dst + "data/d.txt", "d");
        test::MakeFolder(Mirror(scene));
        test::Mounts mounts;
        if (!mounts.Bind(overlap.mounted(scene), Mirror(scene))) {
            GTEST_SKIP() << "no bind mount can be made here";
        }
        scene.Freeze();
        scene.Remember();

        const test::ProcessResult result =
            test::RunQuorvexBinary({"-s", overlap.source(scene), "-d", overlap.target(scene),
                                    "-logdir", scene.logs, "-del", "-start", "-nowin"},
                                   test::InFolder(scene.root.path()));

        EXPECT_EQ(result.exitStatus, 2) << result.err;
        EXPECT_EQ(scene.OutsideChanges(), "");
        EXPECT_EQ(test::ReadTree(scene.dst), scene.targetBefore);
        EXPECT_FALSE(test::PathExists(scene.logs + "Quorvex.log"));
    }
}

}  // namespace
}  // namespace quorvex
