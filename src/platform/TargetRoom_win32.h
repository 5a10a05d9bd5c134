#pragma once

#include "platform/FileHandles_win32.h"

namespace quorvex {

// A job's target on Windows: every path is checked to lie beneath the root with no link
// or junction on the way, and links found are removed as links, never followed.
class WindowsTargetRoom : public TargetRoom {
  public:
    explicit WindowsTargetRoom(const std::string& root);

    LookupResult Lookup(const std::string& path, DirEntry& info) override;
    bool IsFolder(const std::string& path) override;
    bool List(const std::string& folder, std::vector<DirEntry>& entries) override;
    bool ListKinds(const std::string& folder, std::vector<NamedKind>& entries) override;
    std::unique_ptr<SourceFile> OpenFile(const std::string& path) override;
    bool SameEntry(const std::string& first, const std::string& second) override;
    bool MakeFolder(const std::string& path, std::string* err) override;
    bool StampFolder(const std::string& path, std::int32_t attributes, DateValue modified) override;
    bool MakeWritable(const std::string& path, std::string* err) override;
    bool Remove(const std::string& path, std::string* err) override;
    bool RemoveFolderTree(const std::string& path, std::string* err) override;
    bool Rename(const std::string& path, const std::string& newName, std::string* err) override;
    bool RemoveStaleTemporary(const std::string& path) override;
    std::unique_ptr<NewFile> StartNewFile() override;
    bool SystemCopy(const std::string& source, const std::string& target,
                    std::string* err) override;

  private:
    // The pins hold the folders on the way for as long as the caller acts on the answer.
    LookupResult Lookup(const std::string& path, DirEntry& info, FolderPins& pins);

    TargetPaths paths_;
};

}  // namespace quorvex
