#include "app/WindowFront.h"

#include "platform/DirectoryListing.h"
#include "platform/SharedModule.h"

namespace quorvex {

namespace {

bool Exists(const std::string& path) {
    DirEntry facts;
    return LookupPath(path, facts) != LookupResult::Missing;
}

// The first window module found in the module folders; when there is none, the one beside
// the program, so the message names the place a build folder keeps it.
std::string WindowModulePath(const std::string& programFolder) {
    const std::string file = ModuleFileName(kWindowModuleName);
    for (const std::string& folder : ModuleFolders(programFolder)) {
        if (Exists(folder + file)) {
            return folder + file;
        }
    }
    return programFolder + file;
}

}  // namespace

std::unique_ptr<WindowFront> LoadWindowFront(Program& program, UserDialogs& terminal,
                                             std::string& problem) {
    const std::string path = WindowModulePath(program.settings.ProgramFolder);
    std::string reason;
    void* entry = FindModuleEntry(path, kWindowModuleEntry, reason);
    if (entry == nullptr) {
        program.log.Debug("Fenstermodul nicht geladen: " + reason);
        problem = Exists(path) ? "Fenstermodul nicht ladbar: " + reason
                               : "Fenstermodul nicht gefunden: " + path;
        return nullptr;
    }
    const auto open = reinterpret_cast<OpenWindowFrontFunction>(entry);
    return std::unique_ptr<WindowFront>(open(&terminal));
}

}  // namespace quorvex
