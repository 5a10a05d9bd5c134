#include <windows.h>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/WideText_win32.h"

namespace quorvex {

bool CreateFolder(const std::string& path) {
    return CreateDirectoryW(LongPath(WithoutTrailingSeparators(path)).c_str(), nullptr) != 0;
}

}  // namespace quorvex
