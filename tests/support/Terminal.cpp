#include "support/Terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace quorvex::test {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void StartChild(const std::vector<std::string>& command, const ProcessOptions& options,
                             const std::string& terminal, const std::string& runtimeFolder) {
    setsid();
    const int slave = open(terminal.c_str(), O_RDWR);
    if (slave < 0) {
        _exit(126);
    }
    dup2(slave, STDIN_FILENO);
    dup2(slave, STDOUT_FILENO);
    dup2(slave, STDERR_FILENO);
    ExecInChild(command, options, runtimeFolder);
}

}  // namespace

TerminalProcess::TerminalProcess(const std::vector<std::string>& command,
                                 const ProcessOptions& options) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        return;
    }
    const std::string terminal = ptsname(master_);
    child_ = fork();
    if (child_ == 0) {
        StartChild(command, options, terminal, scratch_.path());
    }
}

TerminalProcess::~TerminalProcess() {
    if (child_ > 0 && !ended_) {
        kill(-child_, SIGKILL);
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) {
        close(master_);
    }
}

bool TerminalProcess::ReadSome(int timeoutMilliseconds) {
    if (master_ < 0) {
        return false;
    }
    pollfd request{master_, POLLIN, 0};
    if (poll(&request, 1, timeoutMilliseconds) <= 0) {
        return true;
    }
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got <= 0) {
        return false;  // the terminal was closed: the program ended
    }
    // The terminal turns every line end into CR LF; the output reads as the program wrote it.
    for (ssize_t i = 0; i < got; ++i) {
        if (buffer[i] != '\r') {
            output_ += buffer[i];
        }
    }
    return true;
}

bool TerminalProcess::WaitFor(const std::string& text, int timeoutSeconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    while (output_.find(text) == std::string::npos) {
        if (Clock::now() > deadline || !ReadSome(50)) {
            return output_.find(text) != std::string::npos;
        }
    }
    return true;
}

void TerminalProcess::Type(const std::string& text) {
    if (master_ >= 0) {
        [[maybe_unused]] const ssize_t written = write(master_, text.data(), text.size());
    }
}

void TerminalProcess::Drain() {
    pollfd request{master_, POLLIN, 0};
    while (master_ >= 0 && poll(&request, 1, 0) > 0 && ReadSome(0)) {
    }
}

int TerminalProcess::WaitForExit(int timeoutSeconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    while (!ended_ && child_ > 0) {
        ReadSome(20);
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            ended_ = true;
            exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            Drain();
        } else if (Clock::now() > deadline) {
            break;
        }
    }
    return exitStatus_;
}

}  // namespace quorvex::test
