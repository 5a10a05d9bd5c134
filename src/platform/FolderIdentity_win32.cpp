#include <windows.h>

#include "platform/FolderIdentity.h"
#include "platform/Paths.h"
#include "platform/WideText_win32.h"

namespace quorvex {

bool IdentifyFolder(const std::string& path, FolderIdentity& identity) {
    const HANDLE folder = CreateFileW(LongPath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(folder, &info) != 0 &&
                       (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    CloseHandle(folder);
    if (!known) {
        return false;
    }
    identity.device = info.dwVolumeSerialNumber;
    identity.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

IdentityChain IdentityChainOf(const std::string& path) {
    const std::string resolved = ResolveFolderPath(path);
    IdentityChain chain;
    std::string folder = resolved;
    for (;;) {
        FolderIdentity identity;
        if (IdentifyFolder(folder, identity)) {
            chain.exists = chain.exists || folder == resolved;
            chain.folders.push_back(identity);
        }
        const std::string parent = ParentFolderOf(folder);
        if (parent.empty() || parent == folder) {
            return chain;
        }
        folder = parent;
    }
}

}  // namespace quorvex
