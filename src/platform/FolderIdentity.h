#pragma once

#include <string>
#include "platform/FileFacts.h"

namespace quorvex {

IdentityChain IdentityChainOf(const std::string& path);

// The identity of the folder a path names, links followed; false when the path names no
// folder that can be examined. A folder unmounted, replaced or renamed away during a run
// no longer has the identity it had at the start.
bool IdentifyFolder(const std::string& path, FolderIdentity& identity);

}  // namespace quorvex
