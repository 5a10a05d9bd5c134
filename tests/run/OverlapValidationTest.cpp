#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include "e2e/SyncFixture.h"
#include "platform/Paths.h"
#include "run/RunDriver.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kOverlap = "Quell- und Zielverzeichnis überschneiden sich!";
constexpr const char* kIdentical = "Quell- und Zielverzeichnis sind identisch!";

class OverlapValidationTest : public ::testing::Test {
  protected:
    OverlapValidationTest() {
        test::MakeFolder(data + "inner");
        test::MakeFolder(dir / "data2");
        symlink(data.c_str(), link.c_str());
        program.settings.LogfileDir = dir / "";
        program.settings.WindowHidden = 0;
    }

    // The message of a run over the one job, or "ran" when the run went ahead.
    std::string Verdict(const std::string& source, const std::string& target, bool active = true) {
        program.jobs.Clear();
        test.dialogs.messages.clear();
        test.AddJob(source, target).Active = active ? kJobTicked : 0;
        const RunOutcome outcome = RunAllJobs(program);
        if (outcome != RunOutcome::Refused) {
            return "ran";
        }
        return test.dialogs.messages.empty() ? "silent" : test.dialogs.messages[0].text;
    }

    test::TempDir dir;
    const std::string data = dir / "data/";
    const std::string link = dir / "link";
    test::TestProgram test{true};
    Program& program = test.program;
};

TEST_F(OverlapValidationTest, NestedFoldersAreRefusedEitherWay) {
    EXPECT_EQ(Verdict(data, data + "inner/"), kOverlap);
    EXPECT_EQ(Verdict(data + "inner/", data), kOverlap);
    EXPECT_EQ(Verdict(data, data + "inner/not-yet/"), kOverlap);
    EXPECT_FALSE(test::PathExists(dir / "Quorvex.log"));
}

TEST_F(OverlapValidationTest, LinksAndOtherSpellingsDoNotHideAnOverlap) {
    EXPECT_EQ(Verdict(link + "/inner", data), kOverlap);
    EXPECT_EQ(Verdict(data, link + "/inner/"), kOverlap);
    EXPECT_EQ(Verdict(link, data), kIdentical);
    EXPECT_EQ(Verdict(dir / "data/inner/../", dir / "./data"), kIdentical);
}

// A bind mount shows a folder at a second place that no path text connects with the first.
// The mount lives in a mount namespace of the test process's own.
TEST_F(OverlapValidationTest, BindMountsDoNotHideAnOverlap) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "a bind mount needs root";
    }
    const std::string bound = dir / "bound/";
    test::MakeFolder(bound);
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount(data.c_str(), bound.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "no bind mount can be made here";
    }
    symlink((bound + "inner").c_str(), (dir / "via-link").c_str());

    EXPECT_EQ(Verdict(bound + "inner/", data), kOverlap);
    EXPECT_EQ(Verdict(data, bound + "inner/not-yet/"), kOverlap);
    EXPECT_EQ(Verdict(data + "inner/", bound), kOverlap);
    EXPECT_EQ(Verdict(bound, data), kIdentical);
    EXPECT_EQ(Verdict(dir / "via-link", data), kOverlap);
    EXPECT_EQ(Verdict(data, dir / "via-link/deeper/"), kOverlap);
    // A target that does not exist yet overlaps nothing just because its parent is above.
    EXPECT_EQ(Verdict(bound + "inner/", dir / "new/"), "ran");
    EXPECT_EQ(Verdict(bound + "inner/", dir / "data2/"), "ran");
    umount2(bound.c_str(), MNT_DETACH);
}

TEST_F(OverlapValidationTest, SiblingsWithACommonPrefixMayRun) {
    test::WriteFile(data + "a.txt", "a");
    program.settings.ShowStatistics = 0;
    EXPECT_EQ(Verdict(data, dir / "data2/"), "ran");
    EXPECT_EQ(test::ReadFile(dir / "data2/a.txt"), "a");

    // Like the identical folders, an inactive job refuses the run as well.
    test.AddJob(dir / "data2/inner/", dir / "data2/").Active = 0;
    EXPECT_EQ(RunAllJobs(program), RunOutcome::Refused);
    EXPECT_EQ(test.dialogs.messages.back().text, kOverlap);
}

TEST_F(OverlapValidationTest, WithoutAWindowTheRefusalIsStillReported) {
    program.settings.WindowHidden = 1;
    EXPECT_EQ(Verdict(data + "inner/", data), kOverlap);
    EXPECT_EQ(Verdict(data, data + "inner/", false), kOverlap);
}

TEST(ResolveFolderPathTest, NamesTheFolderWhateverTheSpelling) {
    test::TempDir dir;
    test::MakeFolder(dir / "a/b");
    symlink((dir / "a").c_str(), (dir / "l").c_str());
    const std::string real = ResolveFolderPath(dir / "a");
    EXPECT_EQ(real.back(), '/');
    EXPECT_EQ(ResolveFolderPath(dir / "l/"), real);
    EXPECT_EQ(ResolveFolderPath(dir / "l/b/.."), real);
    EXPECT_EQ(ResolveFolderPath(dir / "l/missing/../b"), real + "b/");
    EXPECT_EQ(ResolveFolderPath(dir / "l/missing/./deeper"), real + "missing/deeper/");
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir((dir / "a").c_str()), 0);
    EXPECT_EQ(ResolveFolderPath("b"), real + "b/");
    EXPECT_EQ(ResolveFolderPath("../a/b/"), real + "b/");
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(ResolveFolderPath("/"), "/");
}

class OverlapBinaryTest : public ::testing::Test, protected test::SyncFixture {};

// The mirror would otherwise delete the source as surplus in its own target.
TEST_F(OverlapBinaryTest, MirrorOfAFolderIntoItsOwnParentIsRefused) {
    test::MakeFolder(dst + "source");
    test::WriteFile(dst + "source/precious.txt", "keep");

    const test::ProcessResult result = test::RunQuorvexBinary(
        {"-s", dst + "source", "-d", dst, "-logdir", logs, "-del", "-start", "-nowin"},
        test::InFolder(root.path()));

    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out + result.err, std::string("Quorvex: ") + kOverlap + "\n");
    EXPECT_EQ(test::ReadFile(dst + "source/precious.txt"), "keep");
    EXPECT_FALSE(test::PathExists(logs + "Quorvex.log"));
}

}  // namespace
}  // namespace quorvex
