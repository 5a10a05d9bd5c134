#include <windows.h>

#include "platform/SharedModule.h"
#include "platform/WideText_win32.h"

namespace quorvex {

std::string ModuleFileName(const std::string& name) {
    return name + ".dll";
}

// An installation on Windows keeps its modules beside the program.
std::vector<std::string> ModuleFolders(const std::string& programFolder) {
    return {programFolder};
}

void* FindModuleEntry(const std::string& path, const char* entry, std::string& problem) {
    const HMODULE module = LoadLibraryW(LongPath(path).c_str());
    if (module == nullptr) {
        problem = ErrorText(GetLastError());
        return nullptr;
    }
    void* found = reinterpret_cast<void*>(GetProcAddress(module, entry));
    if (found == nullptr) {
        problem = ErrorText(GetLastError());
    }
    return found;
}

}  // namespace quorvex
