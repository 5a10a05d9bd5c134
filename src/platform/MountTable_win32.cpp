#include <windows.h>

#include <cstdio>

#include "platform/MountTable.h"
#include "platform/WideText_win32.h"

namespace quorvex {

// Windows has no table file: its drives are its drive letters.
const char* const kSystemMountTable = "";

namespace {

// The drive types the system reports already use the codes of the drives window.
int DriveTypeCode(UINT type) {
    switch (type) {
        case DRIVE_REMOVABLE:
            return kDriveRemovable;
        case DRIVE_FIXED:
            return kDriveFixed;
        case DRIVE_REMOTE:
            return kDriveRemote;
        case DRIVE_CDROM:
            return kDriveOptical;
        case DRIVE_RAMDISK:
            return kDriveRam;
        default:
            return kDriveUnknown;
    }
}

}  // namespace

bool ListMounts(const std::string&, const MountVisitor& each) {
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (1u << letter)) == 0) {
            continue;
        }
        MountEntry entry;
        entry.mountPoint = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        const std::wstring root = Widen(entry.mountPoint);
        entry.driveType = DriveTypeCode(GetDriveTypeW(root.c_str()));
        wchar_t label[MAX_PATH + 1] = {};
        DWORD serial = 0;
        if (GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr,
                                  nullptr, 0)) {
            entry.label = Narrow(label);
            char text[16];
            std::snprintf(text, sizeof text, "%04lX-%04lX", (serial >> 16) & 0xFFFFUL,
                          serial & 0xFFFFUL);
            entry.uuid = text;
        }
        each(entry);
    }
    return true;
}

}  // namespace quorvex
