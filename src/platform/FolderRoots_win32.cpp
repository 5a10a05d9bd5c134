#include <shlobj.h>
#include <windows.h>

#include "platform/FolderRoots.h"
#include "platform/WideText_win32.h"

namespace quorvex {

std::vector<FolderRoot> FolderTreeRoots() {
    std::vector<FolderRoot> roots;
    wchar_t* profile = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &profile) == S_OK) {
        roots.push_back({Narrow(profile), FolderRootKind::PersonalFolder});
    }
    CoTaskMemFree(profile);
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (1u << letter)) != 0) {
            roots.push_back({std::string(1, static_cast<char>('A' + letter)) + ":\\",
                             FolderRootKind::FileSystem});
        }
    }
    return roots;
}

}  // namespace quorvex
