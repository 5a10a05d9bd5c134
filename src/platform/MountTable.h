#pragma once

#include <functional>
#include <string>

namespace quorvex {

// Drive-type codes of a mounted file system, as the drives window groups them.
constexpr int kDriveUnknown = 0;
constexpr int kDriveRemovable = 2;
constexpr int kDriveFixed = 3;
constexpr int kDriveRemote = 4;
constexpr int kDriveOptical = 5;
constexpr int kDriveRam = 6;

// One mounted real file system. Label and UUID stay empty when the device cannot be read.
struct MountEntry {
    std::string mountPoint;
    int driveType = kDriveUnknown;
    std::string label;
    std::string uuid;
};

using MountVisitor = std::function<void(const MountEntry&)>;
// A source of mounted drives, such as one table file; false when it could not be read.
using DriveLister = std::function<bool(const MountVisitor&)>;

// The mount table this process sees.
extern const char* const kSystemMountTable;

// Calls `each` for every real file system of a mount table file (mountinfo, mtab or fstab
// form) in mount point order, one mount point once (the one mounted last wins). Pseudo
// file systems are left out, except the RAM-backed ones. Devices are asked for their label
// one at a time, so the caller can show progress while slow ones answer. False when the
// table could not be read.
bool ListMounts(const std::string& tablePath, const MountVisitor& each);

}  // namespace quorvex
