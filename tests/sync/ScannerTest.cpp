#include "sync/Scanner.h"

#include <gtest/gtest.h>

#include "support/NativePath.h"
#include "support/PlatformFacts.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "sync/TargetListing.h"

namespace quorvex {
namespace {

std::vector<std::string> Paths(const ScanList& list, const std::string& root) {
    std::vector<std::string> paths;
    for (const FileEntry& entry : list) {
        paths.push_back(entry.path.substr(root.size()));
    }
    return paths;
}

std::vector<std::string> Native(const std::vector<std::string>& written) {
    std::vector<std::string> paths;
    for (const std::string& path : written) {
        paths.push_back(test::Native(path));
    }
    return paths;
}

class ScannerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFile(dir / "b.txt", "bb");
        test::WriteFile(dir / "a.jpg", "a");
        test::MakeFolder(dir / "sub/deeper");
        test::WriteFile(dir / "sub/c.txt", "ccc");
        test::WriteFile(dir / "sub/deeper/d.jpg", "d");
        test::MakeFolder(dir / "zempty");
    }
    test::TempDir dir;
    test::TestProgram test{true};
    Program& program = test.program;
};

TEST_F(ScannerTest, DepthFirstWithEachFolderBeforeItsContents) {
    const std::int32_t taken = ScanDirectory(program, dir.path(), "", true, StatField::SourceFiles);

    EXPECT_EQ(taken, 4);
    EXPECT_EQ(Paths(program.engine.scanList, dir.path()),
              Native({"a.jpg", "b.txt", "sub/", "sub/c.txt", "sub/deeper/", "sub/deeper/d.jpg",
                      "zempty/"}));
    EXPECT_EQ(program.engine.counters.foldersSeen, 3);
    EXPECT_EQ(program.engine.counters.filesSeen, 4);
    const FileEntry& b = program.engine.scanList[1];
    EXPECT_EQ(b.size, 2);
    EXPECT_EQ(b.attributes, test::NewFileAttributes());
    EXPECT_EQ(program.engine.scanList[2].size, 0);
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::SourceFiles)], "4");
}

TEST_F(ScannerTest, FilterAppliesToFilesOnlyAndCountersKeepSeenFiles) {
    ScanDirectory(program, dir.path(), ".jpg", true, std::nullopt);

    EXPECT_EQ(Paths(program.engine.scanList, dir.path()),
              Native({"a.jpg", "sub/", "sub/deeper/", "sub/deeper/d.jpg", "zempty/"}));
    EXPECT_EQ(program.engine.counters.filesSeen, 4);
    EXPECT_EQ(program.engine.counters.filesTaken, 2);
}

TEST_F(ScannerTest, WithoutSubfoldersOnlyTheRootFilesAreRead) {
    ScanDirectory(program, dir.path(), "", false, std::nullopt);

    EXPECT_EQ(Paths(program.engine.scanList, dir.path()),
              (std::vector<std::string>{"a.jpg", "b.txt"}));
    EXPECT_EQ(program.engine.counters.foldersSeen, 0);
}

TEST_F(ScannerTest, MissingRootYieldsNothing) {
    EXPECT_EQ(ScanDirectory(program, dir / "missing", "", true, std::nullopt), 0);
    EXPECT_TRUE(program.engine.scanList.empty());
}

TEST_F(ScannerTest, AbortStopsEveryLevelAtItsNextEntry) {
    // Polls: ".", "..", "a.jpg", "b.txt", then ESC at "sub".
    test.pump.AtPoll(5, PumpEvent::EscapeKey);

    ScanDirectory(program, dir.path(), "", true, std::nullopt);

    EXPECT_EQ(Paths(program.engine.scanList, dir.path()), Native({"a.jpg", "b.txt", "sub/"}));
    EXPECT_TRUE(program.run.abortRequested);
}

TEST_F(ScannerTest, TargetFilesCountTheWholeTree) {
    program.engine.target = program.files->OpenTarget(dir.path(), nullptr);
    ASSERT_TRUE(program.engine.target);
    EXPECT_EQ(CountTargetFiles(program, dir.path(), dir.path()), 4);
    EXPECT_EQ(CountTargetFiles(program, dir.path(), dir / "zempty/"), 0);
    EXPECT_EQ(CountTargetFiles(program, dir.path(), dir / "missing/"), 0);
}

}  // namespace
}  // namespace quorvex
