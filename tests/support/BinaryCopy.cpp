#include "support/BinaryCopy.h"

#include <filesystem>

#include "support/Process.h"

namespace quorvex::test {

std::string CopyQuorvexBinaryInto(const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string copy = folder + "quorvex";
    std::filesystem::copy_file(QUORVEX_BINARY, copy,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(QUORVEX_WINDOW_MODULE, folder + "quorvex-window.so",
                               std::filesystem::copy_options::overwrite_existing);
    return copy;
}

bool WritePasswordInto(const std::string& program, const std::string& password) {
    return RunProcess({QUORVEX_PASSWORD_TOOL, program, password}).exitStatus == 0;
}

}  // namespace quorvex::test
