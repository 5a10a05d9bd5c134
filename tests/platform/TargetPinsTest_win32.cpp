#include <gtest/gtest.h>

#include <string>

#include "platform/DateTime.h"
#include "platform/RealFileSystem.h"
#include "platform/WideText_win32.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::TempDir;

bool RenameFolder(const std::string& from, const std::string& to) {
    return MoveFileExW(LongPath(from).c_str(), LongPath(to).c_str(), 0) != 0;
}

// While a new file is written beneath the target, nobody can rename the folders on its way
// (and so not swap one for a junction); after the commit they are free again, and a tree
// removal takes its read-only folders and files along.
TEST(TargetPinsTest, FoldersOnTheWayAreHeldUntilTheCommit) {
    TempDir dir;
    RealFileSystem files;
    const std::unique_ptr<TargetRoom> room = files.OpenTarget(dir.path(), nullptr);
    ASSERT_TRUE(room);
    const std::string outer = dir / "aussen";
    const std::string inner = outer + "\\innen";
    ASSERT_TRUE(room->MakeFolder(outer, nullptr));
    ASSERT_TRUE(room->MakeFolder(inner, nullptr));

    std::unique_ptr<NewFile> file = room->StartNewFile();
    ASSERT_TRUE(file->Create(inner + "\\datei.txt")) << file->Reason();
    ASSERT_TRUE(file->Write("data", 4));
    EXPECT_FALSE(RenameFolder(outer, dir / "woanders"));
    EXPECT_FALSE(RenameFolder(inner, outer + "\\anders"));
    const DateValue noon = MakeDateValue({2024, 3, 5, 12, 0, 0});
    ASSERT_TRUE(file->Stamp(kAttributeReadOnly, noon, noon));
    ASSERT_TRUE(file->Finish());
    ASSERT_TRUE(file->Commit()) << file->Reason();
    EXPECT_TRUE(RenameFolder(inner, outer + "\\anders"));

    ASSERT_TRUE(room->StampFolder(outer + "\\anders", kAttributeReadOnly | kAttributeFolder, noon));
    EXPECT_TRUE(room->RemoveFolderTree(outer, nullptr));
    DirEntry info;
    EXPECT_EQ(files.Lookup(outer, info), LookupResult::Missing);
}

}  // namespace
}  // namespace quorvex
