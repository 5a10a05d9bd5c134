#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/Paths.h"

namespace quorvex {

const char kPathSeparator = '/';

ProgramLocation LocateProgram() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return {"./", "quorvex"};
    }
    const std::string path(buffer, static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

namespace {

// The components of a path that follow the resolved part, "." and ".." applied.
void AppendComponents(std::string& resolved, const std::vector<std::string>& components) {
    for (const std::string& component : components) {
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            const std::size_t slash = WithoutTrailingSeparators(resolved).rfind('/');
            resolved.erase(slash == std::string::npos ? 0 : slash + 1);
            continue;
        }
        resolved += component + "/";
    }
}

std::string CurrentFolder() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string("/");
}

}  // namespace

std::string ResolveFolderPath(const std::string& path) {
    std::string existing = path.empty() || path[0] != '/' ? CurrentFolder() + "/" + path : path;
    std::vector<std::string> rest;  // innermost first
    for (;;) {
        existing = WithoutTrailingSeparators(existing);
        char buffer[PATH_MAX];
        if (realpath(existing.c_str(), buffer) != nullptr) {
            std::string resolved = WithTrailingSeparator(buffer);
            AppendComponents(resolved, std::vector<std::string>(rest.rbegin(), rest.rend()));
            return resolved;
        }
        const std::size_t slash = existing.rfind('/');
        if (slash == std::string::npos || existing == "/") {
            return WithTrailingSeparator(existing);
        }
        rest.push_back(existing.substr(slash + 1));
        existing.erase(slash == 0 ? 1 : slash);
    }
}

namespace {

bool MakeFolders(const std::string& folder) {
    for (std::size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos == folder.size() || folder[pos] == '/') {
            const std::string part = folder.substr(0, pos);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::string ProgramDataFolder(const std::string& programFolder) {
    if (access(programFolder.c_str(), W_OK) == 0) {
        return programFolder;
    }
    std::string base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::string(home) + "/.config";
    } else {
        return programFolder;
    }
    const std::string folder = WithTrailingSeparator(base) + "quorvex";
    MakeFolders(folder);
    return folder + "/";
}

}  // namespace quorvex
