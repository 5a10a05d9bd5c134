#include "support/Process.h"

namespace quorvex::test {

ProcessResult RunProcess(const std::vector<std::string>& command, const ProcessOptions& options) {
    return StartedProcess(command, options).Wait();
}

ProcessResult RunQuorvexBinary(const std::vector<std::string>& arguments,
                               const ProcessOptions& options) {
    std::vector<std::string> command{QUORVEX_BINARY};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return RunProcess(command, options);
}

}  // namespace quorvex::test
