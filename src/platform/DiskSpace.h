#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// The "drive" of a path: the longest mount point that is a prefix of its absolute form.
std::string DriveOfPath(const std::string& path);

constexpr int kDiskTotal = 0;
constexpr int kDiskFree = 1;

// Total size (selector 0) or free bytes for all users (selector 1) of a drive, in whole
// MiB kept to 32 bits; 0 for another selector or a failed query.
std::uint32_t DiskSpaceMB(const std::string& drive, int selector);

}  // namespace quorvex
