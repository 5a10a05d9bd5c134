#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DirectoryListing.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::MakeFolder;
using test::TempDir;
using test::WriteFile;

std::vector<std::string> Names(const std::vector<DirEntry>& entries) {
    std::vector<std::string> names;
    for (const DirEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

const DirEntry* Find(const std::vector<DirEntry>& entries, const std::string& name) {
    for (const DirEntry& entry : entries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

TEST(DirectoryListingTest, ListsByteOrderWithDotEntries) {
    TempDir dir;
    WriteFile(dir / "b.txt", "bb");
    WriteFile(dir / "B.txt", "B");
    WriteFile(dir / "a", "");
    MakeFolder(dir / "sub");
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.path(), entries));
    const std::vector<std::string> expected{".", "..", "B.txt", "a", "b.txt", "sub"};
    EXPECT_EQ(Names(entries), expected);
    EXPECT_EQ(Find(entries, "sub")->kind, EntryKind::Folder);
    EXPECT_EQ(Find(entries, "b.txt")->kind, EntryKind::File);
    EXPECT_EQ(Find(entries, "b.txt")->size, 2u);
}

TEST(DirectoryListingTest, SizesAreSixtyFourBit) {
    TempDir dir;
    const std::string path = dir / "big.bin";
    WriteFile(path, "");
    ASSERT_EQ(truncate(path.c_str(), 5'000'000'000LL), 0);  // sparse, takes no space
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.path(), entries));
    EXPECT_EQ(Find(entries, "big.bin")->size, 5'000'000'000ULL);
}

TEST(DirectoryListingTest, LinksToFoldersAndSpecialFilesAreLeftOut) {
    TempDir dir;
    MakeFolder(dir / "real");
    WriteFile(dir / "file.txt", "12345");
    ASSERT_EQ(symlink((dir / "real").c_str(), (dir / "dirlink").c_str()), 0);
    ASSERT_EQ(symlink((dir / "file.txt").c_str(), (dir / "filelink").c_str()), 0);
    ASSERT_EQ(symlink((dir / "gone").c_str(), (dir / "broken").c_str()), 0);
    ASSERT_EQ(symlink(".", (dir / "loop").c_str()), 0);
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.path(), entries));
    const std::vector<std::string> expected{".", "..", "file.txt", "filelink", "real"};
    EXPECT_EQ(Names(entries), expected);
    EXPECT_EQ(Find(entries, "filelink")->kind, EntryKind::File);
    EXPECT_EQ(Find(entries, "filelink")->size, 5u);
}

TEST(DirectoryListingTest, AttributesCarryPermissionsAndFlags) {
    TempDir dir;
    WriteFile(dir / "plain", "");
    WriteFile(dir / "locked", "");
    WriteFile(dir / ".hidden", "");
    chmod((dir / "plain").c_str(), 0640);
    chmod((dir / "locked").c_str(), 0444);
    chmod((dir / ".hidden").c_str(), 0600);
    MakeFolder(dir / "folder");
    chmod((dir / "folder").c_str(), 0750);
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.path(), entries));
    EXPECT_EQ(Find(entries, "plain")->attributes, (0640 << 16) | kAttributeNormal);
    EXPECT_EQ(Find(entries, "locked")->attributes, (0444 << 16) | kAttributeReadOnly);
    EXPECT_EQ(Find(entries, ".hidden")->attributes, (0600 << 16) | kAttributeHidden);
    EXPECT_EQ(Find(entries, "folder")->attributes, (0750 << 16) | kAttributeFolder);
}

TEST(DirectoryListingTest, ModificationTimeIsADateValue) {
    TempDir dir;
    WriteFile(dir / "f", "");
    test::SetModificationTime(dir / "f", 1767268800);
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.path(), entries));
    EXPECT_EQ(Find(entries, "f")->modified, FileTimeToDateValue(1767268800));
}

TEST(DirectoryListingTest, FailsForMissingFoldersAndFiles) {
    TempDir dir;
    WriteFile(dir / "file", "");
    std::vector<DirEntry> entries;
    EXPECT_FALSE(ListDirectory(dir / "missing", entries));
    EXPECT_FALSE(ListDirectory(dir / "file", entries));
}

TEST(FolderExistsTest, EmptyFoldersCountMissingOnesAndFilesDoNot) {
    TempDir dir;
    MakeFolder(dir / "empty");
    WriteFile(dir / "file", "");
    EXPECT_TRUE(FolderExists(dir / "empty"));
    EXPECT_TRUE(FolderExists(dir / "empty/"));
    EXPECT_TRUE(FolderExists("/"));
    EXPECT_TRUE(FolderExists(""));  // the current folder
    EXPECT_FALSE(FolderExists(dir / "missing"));
    EXPECT_FALSE(FolderExists(dir / "file"));
}

TEST(LookupPathTest, TellsMissingFromFound) {
    TempDir dir;
    WriteFile(dir / ".cfg", "abc");
    DirEntry info;
    ASSERT_EQ(LookupPath(dir / ".cfg", info), LookupResult::Found);
    EXPECT_EQ(info.kind, EntryKind::File);
    EXPECT_EQ(info.size, 3u);
    EXPECT_NE(info.attributes & kAttributeHidden, 0);
    EXPECT_EQ(LookupPath(dir / "nothing", info), LookupResult::Missing);
    EXPECT_EQ(LookupPath(dir / ".cfg/below", info), LookupResult::Missing);
}

}  // namespace
}  // namespace quorvex
