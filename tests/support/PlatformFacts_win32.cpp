#include <windows.h>

#include "platform/WideText_win32.h"
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

std::int32_t GiveOtherAttributes(const std::string& path) {
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
    return FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN;
}

}  // namespace quorvex::test
