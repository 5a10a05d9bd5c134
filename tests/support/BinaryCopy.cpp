#include "support/BinaryCopy.h"

#include <filesystem>

#include "support/Process.h"

namespace quorvex::test {

std::string CopyQuorvexBinaryInto(const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string copy = folder + std::filesystem::path(QUORVEX_BINARY).filename().string();
    std::filesystem::copy_file(QUORVEX_BINARY, copy,
                               std::filesystem::copy_options::overwrite_existing);
    if (ProgramHasWindowModule()) {
        const std::filesystem::path module = QUORVEX_WINDOW_MODULE;
        std::filesystem::copy_file(module, folder + module.filename().string(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    return copy;
}

bool ProgramHasWindowModule() {
    return !std::string(QUORVEX_WINDOW_MODULE).empty();
}

bool ProgramHasWindowHalf() {
    return QUORVEX_WINDOW_BUILT;
}

bool WritePasswordInto(const std::string& program, const std::string& password) {
    return RunProcess({QUORVEX_PASSWORD_TOOL, program, password}).exitStatus == 0;
}

}  // namespace quorvex::test
