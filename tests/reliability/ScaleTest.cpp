// A tree of 100,000 files: mirrored, changed in a few places and mirrored again.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "reliability/BinaryRuns.h"

namespace quorvex {
namespace {

using test::LogSection;
using test::RsyncDifferences;
using test::WriteFile;

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

std::string FolderName(int folder) {
    char name[16];
    std::snprintf(name, sizeof name, "d%03d/", folder);
    return name;
}

std::string FileName(int file) {
    char name[16];
    std::snprintf(name, sizeof name, "f%05d.dat", file);
    return name;
}

class ScaleTest : public ::testing::Test, protected test::BinaryRuns {};

TEST_F(ScaleTest, HundredThousandFilesSyncAndResync) {
    for (int folder = 0; folder < kFolders; ++folder) {
        test::MakeFolder(src + FolderName(folder));
        for (int file = 0; file < kFilesPerFolder; ++file) {
            WriteFile(src + FolderName(folder) + FileName(file), std::string(file % 7, 'x'));
        }
    }

    test::ProcessResult result = Sync({"-del"});

    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    std::vector<std::string> statistics = LogSection(Log(), "### STATISTIK:", "");
    EXPECT_EQ(statistics[1], "Quelldateien: 100.000");
    EXPECT_EQ(statistics[6], "Dateien kopiert: 100.000");

    // One file in a hundred changes, one in a hundred goes, one folder is new.
    for (int folder = 0; folder < kFolders; ++folder) {
        WriteFile(src + FolderName(folder) + FileName(1), "changed contents");
        unlink((src + FolderName(folder) + FileName(2)).c_str());
    }
    test::MakeFolder(src + "new/");
    WriteFile(src + "new/file.txt", "new");

    result = Sync({"-del"});

    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    statistics = LogSection(Log(), "### STATISTIK:", "");
    EXPECT_EQ(statistics[2], "Zieldateien: 100.000");
    EXPECT_EQ(statistics[6], "Dateien kopiert: 1.001");
    EXPECT_EQ(statistics[8], "Dateien gelöscht: 1.000");
}

}  // namespace
}  // namespace quorvex
