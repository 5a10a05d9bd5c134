#include <windows.h>

#include "platform/WideText_win32.h"
#include "reliability/TreeGuard.h"
#include "support/TempDir.h"

namespace quorvex::test {

namespace {

// Long paths throughout, so that trees deeper than MAX_PATH are read whole.
void ReadFolder(const std::wstring& folder, const std::string& prefix, TreeContents& tree) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        const std::wstring path = folder + L"\\" + name;
        const std::string key = prefix + Narrow(name);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            tree[key] = kLinkMark;
        } else if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            tree[key] = kFolderMark;
            ReadFolder(path, key + "/", tree);
        } else {
            tree[key] = ReadFile(Narrow(path));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

TreeContents ReadTree(const std::string& folder) {
    TreeContents tree;
    std::wstring root = LongPath(folder);
    while (!root.empty() && root.back() == L'\\') {
        root.pop_back();
    }
    ReadFolder(root, "", tree);
    return tree;
}

}  // namespace quorvex::test
