#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace quorvex::test {

struct ProcessResult {
    int exitStatus = -1;  // -1 when killed or not started
    std::string out;
    std::string err;
};

struct ProcessOptions {
    std::string workingFolder;             // empty: inherit
    std::vector<std::string> environment;  // "NAME=value" added to the inherited ones
    std::string input;                     // fed to stdin
    int timeoutSeconds = 120;
};

inline ProcessOptions InFolder(const std::string& folder) {
    ProcessOptions options;
    options.workingFolder = folder;
    return options;
}

// The same options for a program that must find no display, as on a server.
inline ProcessOptions WithoutDisplay(ProcessOptions options) {
    options.environment.push_back("DISPLAY=");
    options.environment.push_back("WAYLAND_DISPLAY=");
    return options;
}

// In a forked child: enters the options' folder and environment, with runtimeFolder as
// XDG_RUNTIME_DIR, and replaces the child with the command.
[[noreturn]] void ExecInChild(const std::vector<std::string>& command,
                              const ProcessOptions& options, const std::string& runtimeFolder);

// A program started in the background, in a process group of its own, so that a test can
// act on it (send it a signal) while it works.
class StartedProcess {
  public:
    StartedProcess(const std::vector<std::string>& command, const ProcessOptions& options = {});
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;
    // Ends a program the test never waited for.
    ~StartedProcess();

    pid_t pid() const { return pid_; }
    // Waits for its end (killing it after the options' timeout) and collects what it printed.
    ProcessResult Wait();

  private:
    TempDir scratch_;
    int timeoutSeconds_;
    pid_t pid_ = -1;
    std::intptr_t handle_ = 0;  // the process's handle where the system gives one
};

// Runs a program to its end and collects what it printed.
ProcessResult RunProcess(const std::vector<std::string>& command,
                         const ProcessOptions& options = {});

// The quorvex binary under test.
ProcessResult RunQuorvexBinary(const std::vector<std::string>& arguments,
                               const ProcessOptions& options = {});

}  // namespace quorvex::test
