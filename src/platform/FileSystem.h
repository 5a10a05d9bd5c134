#pragma once

#include <string>

namespace quorvex {

class TargetTree;

// Creates one folder; trailing separators are cut first.
bool CreateFolder(const std::string& path);

// The operating system's own copy: content, permission bits and times carried over
// unchanged, but no set-id bit, for this copy does not take the source's owner. The target
// is reached beneath the tree's root; the old target stays as it was unless the whole
// copy succeeds.
bool SystemCopyFile(TargetTree& tree, const std::string& source, const std::string& target);

}  // namespace quorvex
