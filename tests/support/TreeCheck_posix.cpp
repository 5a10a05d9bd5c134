#include "support/Process.h"
#include "support/TreeCheck.h"

namespace quorvex::test {

std::string RsyncDifferences(const std::string& source, const std::string& target, bool mirror) {
    std::vector<std::string> command{"rsync", "-anicO"};
    if (mirror) {
        command.push_back("--delete");
    }
    command.push_back(source);
    command.push_back(target);
    const ProcessResult result = RunProcess(command);
    return result.out + result.err +
           (result.exitStatus == 0 ? "" : "rsync status " + std::to_string(result.exitStatus));
}

std::string ShellOutput(const std::string& command) {
    return RunProcess({"sh", "-c", command}).out;
}

}  // namespace quorvex::test
