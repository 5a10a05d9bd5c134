#include "platform/TargetTree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/FileIO_posix.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

// A target root reached through a link, beside a folder outside it that links inside the
// target point to.
class HostileLayout {
  public:
    HostileLayout() {
        test::MakeFolder(dir / "outside/inner");
        test::WriteFile(dir / "outside/secret", "precious");
        chmod((dir / "outside/secret").c_str(), 0444);
        test::WriteFile(dir / "outside/inner/x", "x");
        test::MakeFolder(dir / "root/real");
        test::WriteFile(dir / "root/real/f", "f");
        symlink("root", (dir / "rootlink").c_str());
        symlink("../outside", (dir / "root/mid").c_str());
        symlink("../outside/secret", (dir / "root/last").c_str());
        symlink("nowhere", (dir / "root/dangling").c_str());
        symlink("../outside/inner", (dir / "root/dirlink").c_str());
    }

    // Every entry outside with its mode and content.
    std::string Outside() const {
        std::string facts;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir / "outside")) {
            facts += entry.path().string() + " " +
                     std::to_string(static_cast<int>(entry.symlink_status().permissions())) +
                     (entry.is_regular_file() ? " " + test::ReadFile(entry.path()) : "") + "\n";
        }
        return facts;
    }
    // What now stands at a path: "file:<content>", "folder", "link", or "none".
    std::string Entry(const std::string& path) const {
        struct stat info {};
        if (lstat((dir / path).c_str(), &info) != 0) {
            return "none";
        }
        if (S_ISREG(info.st_mode)) {
            return "file:" + test::ReadFile(dir / path);
        }
        return S_ISDIR(info.st_mode) ? "folder" : "link";
    }

    test::TempDir dir;
};

// The tree is opened through "rootlink", so every case also checks that a root given as
// a link is resolved once and its other spelling ("root/...") is refused.
struct HostileCase {
    const char* path;  // below the test folder
    LookupResult lookup;
    EntryKind kind;
    bool readable;       // a regular file: opened, made writable
    bool replaced;       // removed, renamed, replaced by a copy: the entry itself, never its aim
    bool becomesFolder;  // a real folder made in its place
};

const HostileCase kCases[] = {
    {"rootlink/real/f", LookupResult::Found, EntryKind::File, true, true, false},
    {"rootlink/mid/secret", LookupResult::Missing, EntryKind::Other, false, false, false},
    {"rootlink/mid/inner/x", LookupResult::Missing, EntryKind::Other, false, false, false},
    {"rootlink/last", LookupResult::Found, EntryKind::Link, false, true, true},
    {"rootlink/dangling", LookupResult::Found, EntryKind::Link, false, true, true},
    {"rootlink/dirlink", LookupResult::Found, EntryKind::Link, false, true, true},
    {"rootlink/../outside/secret", LookupResult::Inaccessible, EntryKind::Other, false, false,
     false},
    {"root/last", LookupResult::Inaccessible, EntryKind::Other, false, false, false},
};

bool Replace(TargetTree& tree, const std::string& path) {
    ReplacementFile copy;
    return copy.Create(tree, path) && copy.Write("new", 3) && copy.Finish() && copy.Commit();
}

struct Change {
    const char* name;
    std::function<bool(TargetTree&, const std::string&)> apply;
    const char* after;  // what stands at the path when the change took effect
};

const Change kChanges[] = {
    {"remove", [](TargetTree& tree, const std::string& path) { return tree.Remove(path); }, "none"},
    {"rename", [](TargetTree& tree, const std::string& path) { return tree.Rename(path, "new"); },
     "none"},
    {"replace", Replace, "file:new"},
    {"make folder", [](TargetTree& tree, const std::string& path) { return tree.MakeFolder(path); },
     "folder"},
};

TEST(TargetTreeTest, HostileLayoutsAreRefusedOrActedOnAsLinks) {
    for (const HostileCase& c : kCases) {
        SCOPED_TRACE(c.path);
        {
            HostileLayout layout;
            const std::string outsideBefore = layout.Outside();
            TargetTree tree;
            ASSERT_TRUE(tree.Open(layout.dir / "rootlink"));
            const std::string path = layout.dir / c.path;
            DirEntry info;
            EXPECT_EQ(tree.Lookup(path, info), c.lookup);
            if (c.lookup == LookupResult::Found) {
                EXPECT_EQ(info.kind, c.kind);
            }
            InputFile file;
            EXPECT_EQ(tree.OpenFile(path, file), c.readable);
            EXPECT_EQ(tree.MakeWritable(path), c.readable);
            std::vector<DirEntry> entries;
            EXPECT_FALSE(tree.IsFolder(path));
            EXPECT_FALSE(tree.List(path, entries));
            EXPECT_FALSE(tree.StampFolder(path, 0777 << 16, 0));
            EXPECT_FALSE(tree.RemoveFolderTree(path));
            EXPECT_EQ(layout.Outside(), outsideBefore);
        }
        for (const Change& change : kChanges) {
            SCOPED_TRACE(change.name);
            HostileLayout layout;
            const std::string outsideBefore = layout.Outside();
            const std::string before = layout.Entry(c.path);
            const std::string sibling =
                std::string(c.path).substr(0, std::string(c.path).rfind('/') + 1) + "new";
            TargetTree tree;
            ASSERT_TRUE(tree.Open(layout.dir / "rootlink"));
            const bool expected =
                std::string(change.after) == "folder" ? c.becomesFolder : c.replaced;
            EXPECT_EQ(change.apply(tree, layout.dir / c.path), expected);
            EXPECT_EQ(layout.Entry(c.path), expected ? change.after : before);
            if (expected && std::string(change.name) == "rename") {
                EXPECT_EQ(layout.Entry(sibling), before);
            }
            EXPECT_EQ(layout.Outside(), outsideBefore);
        }
    }
}

}  // namespace
}  // namespace quorvex
