#include "support/PlatformFacts.h"

namespace quorvex::test {

std::string Rooted(const std::string& path) {
    return path;
}

// Permission bits above the flags: read and write for the owner, read for the others (the
// usual umask 022), and "normal".
std::int32_t NewFileAttributes() {
    return (0644 << 16) | 0x80;
}

}  // namespace quorvex::test
