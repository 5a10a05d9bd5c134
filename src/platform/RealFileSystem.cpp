#include "platform/RealFileSystem.h"
#include "platform/DirectoryListing.h"
#include "platform/DiskSpace.h"
#include "platform/FolderIdentity.h"

// The parts of the real file system that the platform's own functions already give.
namespace quorvex {

bool RealFileSystem::List(const std::string& folder, std::vector<DirEntry>& entries,
                          std::vector<ListingProblem>* problems, std::string* err) {
    return ListDirectory(folder, entries, problems, err);
}

LookupResult RealFileSystem::Lookup(const std::string& path, DirEntry& info) {
    return LookupPath(path, info);
}

bool RealFileSystem::FolderIsEmpty(const std::string& path) {
    return ::quorvex::FolderIsEmpty(path);
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

}  // namespace quorvex
