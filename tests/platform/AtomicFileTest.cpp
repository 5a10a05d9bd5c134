#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/AtomicFile.h"
#include "support/ForkedChild.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_mode;
}

TEST(AtomicFileTest, CommitReplacesTheFileAndKeepsItsPermissions) {
    test::TempDir dir;
    test::WriteFile(dir / "a.ini", "old and longer contents");
    chmod((dir / "a.ini").c_str(), 0640);
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Begin(dir / "a.ini"));
    EXPECT_EQ(test::ReadFile(dir / "a.ini"), "old and longer contents");
    ASSERT_TRUE(writer.Commit("new"));
    EXPECT_EQ(test::ReadFile(dir / "a.ini"), "new");
    EXPECT_EQ(ModeOf(dir / "a.ini") & 07777, 0640u);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"a.ini"});
}

TEST(AtomicFileTest, ALinkKeepsPointingToTheReplacedFile) {
    test::TempDir dir;
    test::WriteFile(dir / "real.ini", "old");
    ASSERT_EQ(symlink((dir / "real.ini").c_str(), (dir / "link.ini").c_str()), 0);
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Begin(dir / "link.ini"));
    ASSERT_TRUE(writer.Commit("new"));
    EXPECT_TRUE(S_ISLNK(ModeOf(dir / "link.ini")));
    EXPECT_EQ(test::ReadFile(dir / "real.ini"), "new");
}

TEST(AtomicFileTest, NoReplacementWithoutWritePermission) {
    test::TempDir dir;
    test::MakeFolder(dir / "locked");
    test::WriteFile(dir / "locked/a.ini", "old");
    chmod((dir / "locked/a.ini").c_str(), 0666);
    test::MakeFolder(dir / "open");
    test::WriteFile(dir / "open/readonly.ini", "old");
    chmod((dir / "open/readonly.ini").c_str(), 0444);
    chmod(dir.path().c_str(), 0755);
    chmod((dir / "locked").c_str(), 0555);
    chmod((dir / "open").c_str(), 0777);

    const int status = test::RunInChild([&] {
        if (!test::DropToNobody()) {
            return 3;
        }
        AtomicFileWriter writer;
        const bool folderRefused = !writer.Begin(dir / "locked/a.ini");
        const bool fileRefused = !writer.Begin(dir / "open/readonly.ini");
        return folderRefused && fileRefused ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::ReadFile(dir / "locked/a.ini"), "old");
    EXPECT_EQ(test::ReadFile(dir / "open/readonly.ini"), "old");
    EXPECT_EQ(Entries(dir / "open"), std::vector<std::string>{"readonly.ini"});
}

}  // namespace
}  // namespace quorvex
