#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// Names a folder whatever path reaches it: another spelling, a link or a bind mount give
// the same identity.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FolderIdentity& other) const {
        return device == other.device && inode == other.inode;
    }
};

// The identities of a folder and of every folder above it up to the top, innermost
// first. Parts of the path that do not exist (yet) are left out: the chain then begins
// at the deepest existing folder, and `exists` is false.
struct IdentityChain {
    bool exists = false;
    std::vector<FolderIdentity> folders;
};

IdentityChain IdentityChainOf(const std::string& path);

// The identity of the folder a path names, links followed; false when the path names no
// folder that can be examined. A folder unmounted, replaced or renamed away during a run
// no longer has the identity it had at the start.
bool IdentifyFolder(const std::string& path, FolderIdentity& identity);

}  // namespace quorvex
