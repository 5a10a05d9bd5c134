#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/FolderRoots.h"

namespace quorvex {

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr) {
        return home;
    }
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

bool IsFolder(const std::string& path) {
    struct stat facts {};
    return stat(path.c_str(), &facts) == 0 && S_ISDIR(facts.st_mode);
}

}  // namespace

std::vector<FolderRoot> FolderTreeRoots() {
    std::vector<FolderRoot> roots;
    const std::string home = HomeFolder();
    if (!home.empty() && home != "/" && IsFolder(home)) {
        roots.push_back({home, FolderRootKind::PersonalFolder});
    }
    roots.push_back({"/", FolderRootKind::FileSystem});
    return roots;
}

}  // namespace quorvex
