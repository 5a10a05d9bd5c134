#include <sys/stat.h>

#include "platform/FolderIdentity.h"
#include "platform/Paths.h"

namespace quorvex {

bool IdentifyFolder(const std::string& path, FolderIdentity& identity) {
    struct stat info {};
    if (stat(path.empty() ? "." : path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    identity.device = static_cast<std::uint64_t>(info.st_dev);
    identity.inode = static_cast<std::uint64_t>(info.st_ino);
    return true;
}

IdentityChain IdentityChainOf(const std::string& path) {
    // Resolved first, so that the chain follows the folders themselves, not the links and
    // ".." of the spelling. The result is absolute and ends with the separator.
    const std::string resolved = ResolveFolderPath(path);
    IdentityChain chain;
    std::size_t end = resolved.size() - 1;
    while (end != std::string::npos) {
        FolderIdentity identity;
        if (IdentifyFolder(end == 0 ? "/" : resolved.substr(0, end), identity)) {
            chain.exists = chain.exists || end == resolved.size() - 1;
            chain.folders.push_back(identity);
        }
        end = end == 0 ? std::string::npos : resolved.rfind('/', end - 1);
    }
    return chain;
}

}  // namespace quorvex
