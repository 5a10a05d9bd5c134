// Links planted in a target never steer a run's writes, mode changes or deletions out of
// the target: they are replaced or removed, never followed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "hostile/HostileScene.h"

namespace quorvex {
namespace {

using test::HostileScene;
using test::TreeContents;

// Beside each source entry a link in the target: to the source root itself, to the
// outside folder, to a read-only file outside, to nothing. The surplus links point to
// the same kinds of places.
void PlantLinks(HostileScene& scene) {
    test::WriteFile(scene.src + "a", "precious");
    test::MakeFolder(scene.src + "x");
    test::WriteFile(scene.src + "x/a", "XA");
    test::MakeFolder(scene.src + "sub");
    test::WriteFile(scene.src + "sub/g", "SUB-G");
    test::WriteFile(scene.src + "sub/new.txt", "N");
    test::WriteFile(scene.src + "f", "SRC-F");
    test::WriteFile(scene.src + "d", "SRC-D");
    test::WriteFile(scene.outside + "keep.txt", "outside");
    for (const char* name : {"f", "g"}) {
        test::WriteFile(scene.outside + name, std::string("OUT-") + name);
        chmod((scene.outside + name).c_str(), 0444);
    }
    HostileScene::Link("../src", scene.dst + "x");
    HostileScene::Link("../outside", scene.dst + "sub");
    HostileScene::Link("../outside/f", scene.dst + "f");
    HostileScene::Link("nowhere", scene.dst + "d");
    HostileScene::Link("../outside", scene.dst + "s1");
    HostileScene::Link("../outside/g", scene.dst + "s2");
    HostileScene::Link("nowhere", scene.dst + "s3");
}

TEST(TargetLinksTest, LinksAreReplacedOrRemovedNeverFollowed) {
    for (const bool mirror : {false, true}) {
        SCOPED_TRACE(mirror ? "mirror" : "plain");
        HostileScene scene;
        PlantLinks(scene);

        const test::ProcessResult result =
            scene.RunBeside(mirror ? std::vector<std::string>{"-del"} : std::vector<std::string>{});

        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(scene.OutsideChanges(), "");
        TreeContents expected{{"a", "precious"},   {"d", "SRC-D"},     {"f", "SRC-F"},
                              {"sub", "<folder>"}, {"sub/g", "SUB-G"}, {"sub/new.txt", "N"},
                              {"x", "<folder>"},   {"x/a", "XA"}};
        if (!mirror) {
            expected.insert({{"s1", "<link>../outside"},
                             {"s2", "<link>../outside/g"},
                             {"s3", "<link>nowhere"}});
        }
        EXPECT_EQ(test::ReadTree(scene.dst), expected);
        EXPECT_EQ(test::ReadTree(scene.dst), scene.RsyncTarget());
        const test::Lines log = scene.Log();
        for (const char* surplus : {"s1", "s2", "s3"}) {
            const std::string line = "Datei gelöscht '" + scene.dst + surplus + "'";
            EXPECT_EQ(std::count(log.begin(), log.end(), line), mirror ? 1 : 0) << line;
        }
        EXPECT_EQ(test::LinesStartingWith(log, "!!!"), test::Lines{});
    }
}

}  // namespace
}  // namespace quorvex
