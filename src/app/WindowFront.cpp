#include "app/WindowFront.h"

#include "platform/SharedModule.h"

namespace quorvex {

std::unique_ptr<WindowFront> LoadWindowFront(Program& program, UserDialogs& terminal) {
    std::string problem;
    void* entry = FindModuleEntry(program.settings.ProgramFolder + kWindowModuleName,
                                  kWindowModuleEntry, problem);
    if (entry == nullptr) {
        program.log.Debug("Fenstermodul nicht geladen: " + problem);
        return nullptr;
    }
    const auto open = reinterpret_cast<OpenWindowFrontFunction>(entry);
    return std::unique_ptr<WindowFront>(open(&terminal));
}

}  // namespace quorvex
