#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/DirectoryListing.h"

namespace quorvex {

// An entry's kind, size, attributes and date from its status; the hidden flag follows
// name. An entry reached through a link never counts as a folder.
void DescribeStatus(const struct stat& info, const char* name, bool viaLink, DirEntry& entry);

// The last part of a path, separators at its end ignored.
const char* BaseName(const std::string& path);

}  // namespace quorvex
