#include <dlfcn.h>

#include "platform/SharedModule.h"

namespace quorvex {

std::string ModuleFileName(const std::string& name) {
    return name + ".so";
}

void* FindModuleEntry(const std::string& path, const char* entry, std::string& problem) {
    // Bound at once, so a module built against other libraries fails here and not in the
    // middle of the session.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
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
