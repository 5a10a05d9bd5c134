#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace quorvex::test {

// An in-memory file system: folders and files with content, date and attributes, listed
// in byte order of names. It misbehaves on request, giving the reason a real one would.
// Paths are absolute, on one drive; a folder may be named with or without its closing
// separator.
class FakeFileSystem : public FileSystem {
  public:
    // Folders on the way are added as needed.
    void AddFolder(const std::string& path, DateValue modified = 0);
    void AddFile(const std::string& path, const std::string& content, DateValue modified,
                 std::int32_t attributes = kAttributeNormal);

    // "name" → content for every file below a folder, "name/" → "<folder>" for folders.
    std::map<std::string, std::string> Tree(const std::string& folder) const;

    // Every write of a new file from the n-th on (counted over all files) finds no room.
    void NoSpaceFromWrite(int n) { noSpaceFrom_ = n; }
    // Listing, opening, creating in, changing and removing the entry are refused; a
    // lookup still sees it.
    void DenyAccess(const std::string& path) { denied_.insert(Key(path)); }
    // The file is gone when it is first opened for reading.
    void VanishWhenOpened(const std::string& path) { vanishing_.insert(Key(path)); }
    // Putting a new version in the file's place fails.
    void FailCommit(const std::string& path) { failingCommits_.insert(Key(path)); }
    // The folder is another one once it has been identified so many times, as if replaced
    // meanwhile.
    void ReplaceAfterIdentified(const std::string& path, int times) {
        replaced_[Key(path)] = times;
    }

    std::uint32_t freeMB = 1000000;

    bool List(const std::string& folder, std::vector<DirEntry>& entries,
              std::vector<ListingProblem>* problems, std::string* err) override;
    bool FolderExists(const std::string& path, std::string* err) override;
    LookupResult Lookup(const std::string& path, DirEntry& info) override;
    bool FolderIsEmpty(const std::string& path) override;
    std::unique_ptr<SourceFile> OpenFile(const std::string& path, bool* missing,
                                         std::string* err) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity) override;
    IdentityChain IdentityChainOf(const std::string& path) override;
    std::string DriveOf(const std::string&) override { return "/"; }
    std::uint32_t FreeMB(const std::string&) override { return freeMB; }
    std::unique_ptr<TargetRoom> OpenTarget(const std::string& root, std::string* err) override;

  private:
    friend class FakeTargetRoom;
    friend class FakeNewFile;

    struct Node {
        bool folder = false;
        std::string content;
        DateValue modified = 0;
        std::int32_t attributes = 0;
        std::uint64_t inode = 0;
    };

    static std::string Key(const std::string& path);
    static std::string ParentOf(const std::string& key);
    Node* Find(const std::string& path);
    bool IsFolder(const std::string& path) { return Find(path) && Find(path)->folder; }
    bool Denied(const std::string& path) const { return denied_.count(Key(path)) > 0; }
    // False with the reason when the path is refused or its folder is missing.
    bool MayChange(const std::string& path, std::string* err);
    Node& Put(const std::string& path, Node node);
    // Removes the entry and everything below it.
    void Erase(const std::string& path);
    std::vector<std::string> ChildKeys(const std::string& folder) const;

    std::map<std::string, Node> nodes_;
    std::uint64_t nextInode_ = 1;
    int writes_ = 0;
    int noSpaceFrom_ = 0;
    std::set<std::string> denied_;
    std::set<std::string> vanishing_;
    std::set<std::string> failingCommits_;
    std::map<std::string, int> replaced_;
};

}  // namespace quorvex::test
