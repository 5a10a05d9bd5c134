#pragma once

#include <sys/stat.h>

#include <cstdint>

#include "platform/DirectoryListing.h"

namespace quorvex {

// The permission bits that attribute bits stand for, given the entry's current mode.
inline mode_t ModeForAttributes(std::int32_t attributes, mode_t current) {
    mode_t mode = static_cast<mode_t>((attributes >> 16) & 07777);
    if (mode == 0) {
        mode = current & 07777;
        if ((attributes & kAttributeReadOnly) != 0) {
            mode &= static_cast<mode_t>(~0222);
        } else if ((attributes & kAttributeNormal) != 0) {
            mode |= S_IWUSR;
        }
    }
    if (S_ISDIR(current)) {
        mode |= S_IRWXU;
    }
    return mode;
}

}  // namespace quorvex
