#include <sys/statvfs.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/DiskSpace.h"
#include "platform/Paths.h"

namespace quorvex {

namespace {

// Mount points in /proc/self/mounts write blanks and the like as octal escapes (\040).
std::string DecodeMountField(const std::string& field) {
    std::string decoded;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                decoded += static_cast<char>(std::strtol(digits.c_str(), nullptr, 8));
                i += 3;
                continue;
            }
        }
        decoded += field[i];
    }
    return decoded;
}

std::string AbsoluteForm(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    if (!path.empty() && path[0] == '/') {
        return path;
    }
    char current[PATH_MAX];
    if (getcwd(current, sizeof current) == nullptr) {
        return path;
    }
    return WithTrailingSeparator(current) + path;
}

bool IsPrefixFolder(const std::string& mountPoint, const std::string& path) {
    if (mountPoint == "/") {
        return true;
    }
    return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

std::string DriveOfPath(const std::string& path) {
    const std::string absolute = AbsoluteForm(path);
    std::ifstream mounts("/proc/self/mounts");
    std::string best = "/";
    std::string device;
    std::string mountPoint;
    std::string rest;
    while (mounts >> device >> mountPoint && std::getline(mounts, rest)) {
        const std::string decoded = DecodeMountField(mountPoint);
        if (decoded.size() > best.size() && IsPrefixFolder(decoded, absolute)) {
            best = decoded;
        }
    }
    return best;
}

std::uint32_t DiskSpaceMB(const std::string& drive, int selector) {
    struct statvfs info {};
    if ((selector != kDiskTotal && selector != kDiskFree) || statvfs(drive.c_str(), &info) != 0) {
        return 0;
    }
    const unsigned long long blocks = selector == kDiskTotal ? info.f_blocks : info.f_bfree;
    return static_cast<std::uint32_t>((blocks * info.f_frsize) >> 20);
}

}  // namespace quorvex
