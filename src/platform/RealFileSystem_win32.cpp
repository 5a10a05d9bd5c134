#include "platform/DirectoryListing.h"
#include "platform/DiskSpace.h"
#include "platform/FolderIdentity.h"
#include "platform/Listing_win32.h"
#include "platform/RealFileSystem.h"
#include "platform/TargetRoom_win32.h"
#include "platform/WideText_win32.h"

namespace quorvex {

bool RealFileSystem::List(const std::string& folder, std::vector<DirEntry>& entries,
                          std::vector<ListingProblem>* problems, std::string* err) {
    return ListDirectory(folder, entries, problems, err);
}

bool RealFileSystem::FolderExists(const std::string& path, std::string* err) {
    return ::quorvex::FolderExists(path) || Failed(err);
}

LookupResult RealFileSystem::Lookup(const std::string& path, DirEntry& info) {
    return LookupPath(path, info);
}

bool RealFileSystem::FolderIsEmpty(const std::string& path) {
    return ::quorvex::FolderIsEmpty(path);
}

std::unique_ptr<SourceFile> RealFileSystem::OpenFile(const std::string& path, bool* missing,
                                                     std::string* err) {
    return OpenSourceFile(path, 0, missing, err);
}

bool RealFileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity) {
    return ::quorvex::IdentifyFolder(path, identity);
}

IdentityChain RealFileSystem::IdentityChainOf(const std::string& path) {
    return ::quorvex::IdentityChainOf(path);
}

std::string RealFileSystem::DriveOf(const std::string& path) {
    return DriveOfPath(path);
}

std::uint32_t RealFileSystem::FreeMB(const std::string& drive) {
    return DiskSpaceMB(drive, kDiskFree);
}

std::unique_ptr<TargetRoom> RealFileSystem::OpenTarget(const std::string& root, std::string* err) {
    std::vector<DirEntry> entries;
    if (!ListFolder(root, LinkView::AsLinks, entries, nullptr, err)) {
        return nullptr;
    }
    return std::make_unique<WindowsTargetRoom>(root);
}

}  // namespace quorvex
