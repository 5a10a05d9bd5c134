#include "platform/DirectoryListing.h"
#include "platform/DiskSpace.h"
#include "platform/FolderIdentity.h"
#include "platform/Listing_win32.h"
#include "platform/RealFileSystem.h"
#include "platform/TargetRoom_win32.h"
#include "platform/WideText_win32.h"

namespace quorvex {

bool RealFileSystem::FolderExists(const std::string& path, std::string* err) {
    return ::quorvex::FolderExists(path) || Failed(err);
}

std::unique_ptr<SourceFile> RealFileSystem::OpenFile(const std::string& path, bool* missing,
                                                     std::string* err) {
    return OpenSourceFile(path, 0, missing, err);
}

std::unique_ptr<TargetRoom> RealFileSystem::OpenTarget(const std::string& root, std::string* err) {
    std::vector<DirEntry> entries;
    if (!ListFolder(root, LinkView::AsLinks, entries, nullptr, err)) {
        return nullptr;
    }
    return std::make_unique<WindowsTargetRoom>(root);
}

}  // namespace quorvex
