// Owners, set-id bits, leftovers of a killed run and folders that take no new file: runs
// whose result follows this program's own rules, asserted as such.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hostile/HostileScene.h"

namespace quorvex {
namespace {

using test::HostileScene;
using test::TreeContents;

constexpr long long kOld = 1700000000;
constexpr long long kNew = 1780000000;
constexpr unsigned kNobody = 65534;

void PutTool(HostileScene& scene, unsigned owner, mode_t mode) {
    scene.Put(scene.src + "tool", "#!/bin/sh\n", kNew);
    chown((scene.src + "tool").c_str(), owner, owner);
    chmod((scene.src + "tool").c_str(), mode);
}

struct OwnCase {
    const char* name;
    bool needsRoot;
    bool asNobody;
    void (*build)(HostileScene&);
    void (*check)(const HostileScene&);
};

const OwnCase kOwnCases[] = {
    {"another user's setuid file copied by root", true, false,
     [](HostileScene& scene) { PutTool(scene, kNobody, 04755); },
     [](const HostileScene& scene) {
         const test::EntryState copy = test::ReadState(scene.dst).at("tool");
         EXPECT_EQ(copy.owner, kNobody);
         EXPECT_EQ(copy.group, kNobody);
         EXPECT_EQ(copy.mode & 07777, 04755u);
         EXPECT_TRUE(copy == test::ReadState(scene.twin + "dst/").at("tool"));
     }},
    {"root's set-id file copied by nobody", true, true,
     [](HostileScene& scene) { PutTool(scene, 0, 06755); },
     [](const HostileScene& scene) {
         const test::EntryState copy = test::ReadState(scene.dst).at("tool");
         EXPECT_EQ(test::ReadTree(scene.dst).at("tool"), "#!/bin/sh\n");
         EXPECT_EQ(copy.owner, kNobody);
         EXPECT_EQ(copy.mode & 06000, 0u);
     }},
    {"stale temporary file", false, false,
     [](HostileScene& scene) {
         test::MakeFolder(scene.src + "sub");
         test::MakeFolder(scene.dst + "sub");
         scene.Put(scene.src + "sub/a.txt", "a", kOld);
         scene.Put(scene.dst + "sub/a.txt", "a", kOld);
         test::WriteFile(scene.dst + "sub/.quorvex-Ab12Cd", "half a copy");
     },
     [](const HostileScene& scene) {
         EXPECT_EQ(test::ReadTree(scene.dst),
                   (TreeContents{{"sub", "<folder>"}, {"sub/a.txt", "a"}}));
         EXPECT_EQ(test::LinesStartingWith(scene.Log(), "Datei gelöscht"), test::Lines{});
         EXPECT_EQ(test::LinesStartingWith(scene.Log(), "Dateien gelöscht:"),
                   test::Lines{"Dateien gelöscht: 0"});
     }},
    {"writable file in a folder without write permission", true, true,
     [](HostileScene& scene) {
         test::MakeFolder(scene.src + "ro");
         test::MakeFolder(scene.dst + "ro");
         scene.Put(scene.src + "ro/f", "new content", kNew);
         scene.Put(scene.dst + "ro/f", "old", kOld);
         HostileScene::HandTo(scene.dst);
         chmod((scene.dst + "ro").c_str(), 0555);
     },
     [](const HostileScene& scene) {
         EXPECT_EQ(test::ReadTree(scene.dst),
                   (TreeContents{{"ro", "<folder>"}, {"ro/f", "new content"}}));
     }},
};

TEST(OwnRulesTest, OwnersSetIdBitsLeftoversAndLockedFolders) {
    bool leftOut = false;
    for (const OwnCase& own : kOwnCases) {
        SCOPED_TRACE(own.name);
        if (own.needsRoot && geteuid() != 0) {
            leftOut = true;
            continue;
        }
        HostileScene scene;
        own.build(scene);

        const test::ProcessResult result = scene.RunBeside({}, own.asNobody);

        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(scene.OutsideChanges(), "");
        own.check(scene);
    }
    if (leftOut) {
        GTEST_SKIP() << "owners and runs as nobody need root";
    }
}

}  // namespace
}  // namespace quorvex
