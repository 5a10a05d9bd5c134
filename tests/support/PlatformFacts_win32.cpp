#include "support/NativePath.h"
#include "support/PlatformFacts.h"

namespace quorvex::test {

std::string Rooted(const std::string& path) {
    return "C:" + Native(path);
}

// A new file carries only the archive flag.
std::int32_t NewFileAttributes() {
    return 0x20;
}

}  // namespace quorvex::test
