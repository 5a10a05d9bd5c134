#include "support/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/TempDir.h"

namespace quorvex::test {

void ExecInChild(const std::vector<std::string>& command, const ProcessOptions& options,
                 const std::string& runtimeFolder) {
    if (!options.workingFolder.empty() && chdir(options.workingFolder.c_str()) != 0) {
        _exit(126);
    }
    // Each program gets its own instance markers unless the test shares them on purpose,
    // so that programs started by tests running side by side never meet.
    setenv("XDG_RUNTIME_DIR", runtimeFolder.c_str(), 1);
    for (const std::string& variable : options.environment) {
        putenv(const_cast<char*>(variable.c_str()));
    }
    std::vector<char*> argv;
    for (const std::string& part : command) {
        argv.push_back(const_cast<char*>(part.c_str()));
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

StartedProcess::StartedProcess(const std::vector<std::string>& command,
                               const ProcessOptions& options)
    : timeoutSeconds_(options.timeoutSeconds) {
    const std::string inPath = scratch_ / "stdin";
    WriteFile(inPath, options.input);
    pid_ = fork();
    if (pid_ == 0) {
        setpgid(0, 0);
        const int in = open(inPath.c_str(), O_RDONLY);
        const int out = open((scratch_ / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open((scratch_ / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        ExecInChild(command, options, scratch_.path());
    }
}

StartedProcess::~StartedProcess() {
    if (pid_ > 0) {
        kill(-pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

ProcessResult StartedProcess::Wait() {
    ProcessResult result;
    if (pid_ < 0) {
        return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds_);
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(-pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            status = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pid_ = -1;
    if (status != -1 && WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    result.out = ReadFile(scratch_ / "stdout");
    result.err = ReadFile(scratch_ / "stderr");
    return result;
}

}  // namespace quorvex::test
