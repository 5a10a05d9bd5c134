#pragma once

#include "platform/FileSystem.h"

namespace quorvex {

// The machine's own file system; the target room it opens acts on opened folders only.
class RealFileSystem : public FileSystem {
  public:
    bool List(const std::string& folder, std::vector<DirEntry>& entries,
              std::vector<ListingProblem>* problems, std::string* err) override;
    bool FolderExists(const std::string& path, std::string* err) override;
    LookupResult Lookup(const std::string& path, DirEntry& info) override;
    bool FolderIsEmpty(const std::string& path) override;
    std::unique_ptr<SourceFile> OpenFile(const std::string& path, bool* missing,
                                         std::string* err) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity) override;
    IdentityChain IdentityChainOf(const std::string& path) override;
    std::string DriveOf(const std::string& path) override;
    std::uint32_t FreeMB(const std::string& drive) override;
    std::unique_ptr<TargetRoom> OpenTarget(const std::string& root, std::string* err) override;
};

}  // namespace quorvex
