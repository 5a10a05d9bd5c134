// A target that takes no more bytes in the middle of a copy: the old version stays whole
// and the run reports the failure.

#include <gtest/gtest.h>

#include "reliability/BinaryRuns.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::Lines;
using test::LogSection;
using test::WriteFile;

constexpr long long kOld = 1700000000;
constexpr long long kNew = 1780000000;

class DiskFullTest : public ::testing::Test, protected test::BinaryRuns {
  protected:
    DiskFullTest() {
        Put(src + "big.bin", std::string(3 << 20, 'N'), kNew);
        Put(src + "small.txt", "small", kNew);
        Put(dst + "big.bin", std::string(1 << 20, 'O'), kOld);
        Put(dst + "surplus.txt", "surplus", kOld);
    }

    std::vector<std::string> Arguments(const std::vector<std::string>& extra) const {
        std::vector<std::string> arguments{QUORVEX_BINARY, "-s", src,   "-d", dst,
                                           "-logdir",      logs, "-del"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        arguments.push_back("-start");
        arguments.push_back("-nowin");
        return arguments;
    }

    const std::string bigPair = src + "big.bin' -> '" + dst + "big.bin'";
};

// The file-size limit stands in for a full disk without needing a file system of its own:
// a write past it fails as a write to a full disk does.
TEST_F(DiskFullTest, FileSizeLimitInTheMiddleOfACopyKeepsTheOldTarget) {
    Remember();
    std::vector<std::string> command{"prlimit", "--fsize=2000000"};
    for (const std::string& part : Arguments({})) {
        command.push_back(part);
    }

    const test::ProcessResult result = test::RunProcess(command, test::InFolder(root.path()));

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::ReadFile(dst + "big.bin"), std::string(1 << 20, 'O'));
    EXPECT_EQ(test::ModificationTime(dst + "big.bin"), kOld);
    EXPECT_EQ(test::ReadFile(dst + "small.txt"), "small");
    EXPECT_FALSE(test::PathExists(dst + "surplus.txt"));
    EXPECT_EQ(LogSection(Log(), "### KOPIEREN:", "### STATISTIK:"),
              (Lines{"### KOPIEREN:", "! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + bigPair,
                     "!!! FEHLER BEIM KOPIEREN: '" + bigPair,
                     "\t-5: Zieldatei konnte nicht korrekt geschrieben werden",
                     "Datei kopiert: '" + src + "small.txt' -> '" + dst + "small.txt'",
                     "### KOPIEREN (1) DAUERTE: <time>", ""}));
}

// A real full file system: a small tmpfs over the target, in a mount namespace of its own
// so that it disappears with the process. What the run left is copied out before that.
class FullFileSystemTest : public DiskFullTest {
  protected:
    void SetUp() override { QUORVEX_REQUIRE_ROOT("mounts a small file system"); }

    test::ProcessResult RunOnSmallFileSystem(const std::vector<std::string>& extra,
                                             const std::string& size = "2m") {
        test::MakeFolder(stage);
        test::ShellOutput("cp -a '" + dst + ".' '" + stage + "'");
        std::string script = "mount -t tmpfs -o size=" + size + " quorvex-full '" + dst +
                             "' || exit 99; cp -a '" + stage + ".' '" + dst + "' || exit 98;";
        for (const std::string& part : Arguments(extra)) {
            script += " '" + part + "'";
        }
        script += "; status=$?; cp -a '" + dst + ".' '" + after + "'; exit $status";
        test::MakeFolder(after);
        return test::RunProcess({"unshare", "-m", "sh", "-c", script}, test::InFolder(root.path()));
    }

    const std::string stage = root / "stage/";
    const std::string after = root / "after/";
};

TEST_F(FullFileSystemTest, NoSpaceInTheMiddleOfACopyKeepsTheOldTarget) {
    const test::ProcessResult result = RunOnSmallFileSystem({"-nospacecheck"});
    if (result.exitStatus == 99) {
        GTEST_SKIP() << "no tmpfs can be mounted here; the file-size limit covers a full target";
    }

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    const test::TreeContents left = test::ReadTree(after);
    EXPECT_EQ(left,
              (test::TreeContents{{"big.bin", std::string(1 << 20, 'O')}, {"small.txt", "small"}}));
    EXPECT_EQ(test::ModificationTime(after + "big.bin"), kOld);
    const Lines copy = LogSection(Log(), "### KOPIEREN:", "### STATISTIK:");
    ASSERT_EQ(copy.size(), 7u);
    EXPECT_EQ(copy[2], "!!! FEHLER BEIM KOPIEREN: '" + bigPair);
    EXPECT_EQ(copy[3], "\t-5: Zieldatei konnte nicht korrekt geschrieben werden");
}

TEST_F(FullFileSystemTest, SpaceCheckStopsTheRunBeforeAnyCopy) {
    const test::ProcessResult result = RunOnSmallFileSystem({});
    if (result.exitStatus == 99) {
        GTEST_SKIP() << "no tmpfs can be mounted here; the file-size limit covers a full target";
    }

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(test::ReadTree(after), (test::TreeContents{{"big.bin", std::string(1 << 20, 'O')}}));
    const Lines copy = LogSection(Log(), "### KOPIEREN:", "### STATISTIK:");
    ASSERT_EQ(copy.size(), 7u);
    EXPECT_EQ(copy[1],
              "!!! FREIER SPEICHERPLATZ NICHT AUSREICHEND AUF " + dst.substr(0, dst.size() - 1));
    EXPECT_EQ(copy[3], "!!! VORGANG ABGEBROCHEN!");
}

// Room for the whole job, though not for it counted in a smaller unit than megabytes.
TEST_F(FullFileSystemTest, SpaceCheckLetsAJobThatFitsThrough) {
    const test::ProcessResult result = RunOnSmallFileSystem({}, "8m");
    if (result.exitStatus == 99) {
        GTEST_SKIP() << "no tmpfs can be mounted here; the file-size limit covers a full target";
    }

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(test::ReadTree(after),
              (test::TreeContents{{"big.bin", std::string(3 << 20, 'N')}, {"small.txt", "small"}}));
}

}  // namespace
}  // namespace quorvex
