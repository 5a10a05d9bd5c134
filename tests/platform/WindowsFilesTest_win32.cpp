#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/RealFileSystem.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::TempDir;

constexpr std::int32_t kHiddenReadOnly = kAttributeReadOnly | kAttributeHidden;

std::vector<std::string> NamesIn(TargetRoom& room, const std::string& folder) {
    std::vector<DirEntry> entries;
    EXPECT_TRUE(room.List(folder, entries));
    std::vector<std::string> names;
    for (const DirEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

// A file deeper than MAX_PATH is written through the target room with its date and the
// read-only and hidden attributes, listed in byte order of the UTF-8 names, found under a
// name in other case, read back by the source side, and removed with its tree.
TEST(WindowsFilesTest, LongPathsAttributesNamesAndRemoval) {
    TempDir dir;
    RealFileSystem files;
    const std::unique_ptr<TargetRoom> room = files.OpenTarget(dir.path(), nullptr);
    ASSERT_TRUE(room);
    const std::string top = dir / "top\\";
    std::string deep = top;
    ASSERT_TRUE(room->MakeFolder(top, nullptr));
    while (deep.size() < 300) {
        deep += std::string(50, 'f') + "\\";
        ASSERT_TRUE(room->MakeFolder(deep, nullptr)) << deep;
    }
    const DateValue noon = MakeDateValue({2024, 3, 5, 12, 0, 0});
    const std::vector<std::string> names{"B.txt", "a.txt", "\xC3\x84.txt"};
    for (const std::string& name : names) {
        const std::unique_ptr<NewFile> file = room->StartNewFile();
        ASSERT_TRUE(file->Create(deep + name)) << file->Reason();
        ASSERT_TRUE(file->Write("data", 4));
        ASSERT_TRUE(file->Stamp(kHiddenReadOnly, noon, noon));
        ASSERT_TRUE(file->Finish());
        ASSERT_TRUE(file->Commit()) << file->Reason();
    }
    EXPECT_EQ(NamesIn(*room, deep),
              (std::vector<std::string>{".", "..", "B.txt", "a.txt", "\xC3\x84.txt"}));

    DirEntry info;
    ASSERT_EQ(files.Lookup(deep + "A.TXT", info), LookupResult::Found);
    EXPECT_EQ(info.size, 4u);
    EXPECT_EQ(info.attributes & (kHiddenReadOnly | kAttributeFolder), kHiddenReadOnly);
    EXPECT_EQ(info.modified, noon);
    std::unique_ptr<SourceFile> source = files.OpenFile(deep + "\xC3\x84.txt", nullptr, nullptr);
    ASSERT_TRUE(source);
    char read[8] = {};
    EXPECT_EQ(source->Read(read, sizeof read), 4);
    EXPECT_EQ(std::string(read), "data");
    source.reset();

    EXPECT_FALSE(room->MakeFolder(top + "..\\escape", nullptr));
    EXPECT_TRUE(room->RemoveFolderTree(top, nullptr));
    EXPECT_EQ(files.Lookup(top, info), LookupResult::Missing);
}

}  // namespace
}  // namespace quorvex
