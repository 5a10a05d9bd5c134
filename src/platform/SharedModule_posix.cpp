#include <dlfcn.h>

#include "platform/SharedModule.h"

#include "platform/Paths.h"

namespace quorvex {

std::string ModuleFileName(const std::string& name) {
    return name + ".so";
}

std::vector<std::string> ModuleFolders(const std::string& programFolder) {
    // Installed as PREFIX/bin/quorvex, the modules are private to the program and live in
    // PREFIX/lib/quorvex (or PREFIX/libexec/quorvex), out of the linker's search path.
    const std::string prefix = ParentFolderOf(programFolder);
    return {programFolder, prefix + "lib/quorvex/", prefix + "libexec/quorvex/"};
}

void* FindModuleEntry(const std::string& path, const char* entry, std::string& problem) {
    // The module is linked to bind its own references on loading; binding every reference
    // of the toolkit's libraries as well would cost a noticeable part of the start.
    void* module = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (module == nullptr) {
        problem = dlerror();
        return nullptr;
    }
    void* found = dlsym(module, entry);
    if (found == nullptr) {
        problem = dlerror();
    }
    return found;
}

}  // namespace quorvex
