#include "support/PlatformFacts.h"

#include <sys/stat.h>

namespace quorvex::test {

std::string Rooted(const std::string& path) {
    return path;
}

// Permission bits above the flags: read and write for the owner, read for the others (the
// usual umask 022), and "normal".
std::int32_t NewFileAttributes() {
    return (0644 << 16) | 0x80;
}

std::int32_t GiveOtherAttributes(const std::string& path) {
    chmod(path.c_str(), 0600);
    return (0600 << 16) | 0x80;
}

}  // namespace quorvex::test
