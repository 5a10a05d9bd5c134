#include <windows.h>

#include "platform/DiskSpace.h"
#include "platform/Paths.h"
#include "platform/WideText_win32.h"

namespace quorvex {

// The drive letter's root ("C:\"), a share's root, or the folder a volume is mounted on.
std::string DriveOfPath(const std::string& path) {
    std::wstring wide = Widen(path.empty() ? std::string(".") : path);
    wchar_t volume[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(wide.c_str(), volume, MAX_PATH + 1)) {
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) + "\\" : std::string();
    }
    return WithTrailingSeparator(Narrow(volume));
}

std::uint32_t DiskSpaceMB(const std::string& drive, int selector) {
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER free{};
    if ((selector != kDiskTotal && selector != kDiskFree) ||
        !GetDiskFreeSpaceExW(Widen(WithTrailingSeparator(drive)).c_str(), &available, &total,
                             &free)) {
        return 0;
    }
    const ULONGLONG bytes = selector == kDiskTotal ? total.QuadPart : free.QuadPart;
    return static_cast<std::uint32_t>(bytes >> 20);
}

}  // namespace quorvex
