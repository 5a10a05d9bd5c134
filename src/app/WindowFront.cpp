#include "app/WindowFront.h"

#include "platform/DirectoryListing.h"
#include "platform/SharedModule.h"

namespace quorvex {

std::unique_ptr<WindowFront> LoadWindowFront(Program& program, UserDialogs& terminal,
                                             std::string& problem) {
    const std::string path = program.settings.ProgramFolder + ModuleFileName(kWindowModuleName);
    std::string reason;
    void* entry = FindModuleEntry(path, kWindowModuleEntry, reason);
    if (entry == nullptr) {
        program.log.Debug("Fenstermodul nicht geladen: " + reason);
        DirEntry facts;
        problem = LookupPath(path, facts) == LookupResult::Missing
                      ? "Fenstermodul nicht gefunden: " + path
                      : "Fenstermodul nicht ladbar: " + reason;
        return nullptr;
    }
    const auto open = reinterpret_cast<OpenWindowFrontFunction>(entry);
    return std::unique_ptr<WindowFront>(open(&terminal));
}

}  // namespace quorvex
