#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/TargetTree.h"

namespace quorvex {

// The descriptor side of TargetTree, for the POSIX files that act beneath its root.
class TargetTree::Impl {
  public:
    ~Impl();

    // The folder that holds the path's last part, opened beneath the root without
    // following a link; name receives the last part. The descriptor stays owned by the
    // tree (valid until the next call). -1 with errno set when the path is refused or a
    // folder on the way is missing, no folder, or a link.
    int Parent(const std::string& path, std::string& name);
    // Opens the entry itself with flags (O_NOFOLLOW added); the root when the path is the
    // root's text. The caller closes the descriptor.
    int OpenEntry(const std::string& path, int flags);
    // The entry's own status, a link's included; name receives the last part (empty for
    // the root). False with errno set.
    bool Status(const std::string& path, struct stat& status, std::string& name);
    // Drops the remembered folder, after a change that may have moved or removed it.
    void Forget();

    int root = -1;
    std::string rootText;  // as given to Open, ending with the separator

  private:
    bool Parts(const std::string& path, std::vector<std::string>& parts) const;

    // The folder of the last Parent call: lookups come folder by folder, so most need
    // no walk from the root.
    std::string cachedFolder_;
    int cachedFd_ = -1;
};

}  // namespace quorvex
