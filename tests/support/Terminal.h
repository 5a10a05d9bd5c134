#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex::test {

// A program running on a pseudo-terminal, so that it asks its questions as it would a
// person at a terminal. The test reads what it printed and types answers. A process still
// running at the end is killed.
class TerminalProcess {
  public:
    TerminalProcess(const std::vector<std::string>& command, const ProcessOptions& options = {});
    ~TerminalProcess();
    TerminalProcess(const TerminalProcess&) = delete;
    TerminalProcess& operator=(const TerminalProcess&) = delete;

    // Reads until the output holds the text; false on timeout or when the program ended
    // without printing it.
    bool WaitFor(const std::string& text, int timeoutSeconds = 30);
    void Type(const std::string& text);
    // The exit status, -1 when it was killed or did not end in time.
    int WaitForExit(int timeoutSeconds = 30);
    // Everything printed and echoed so far, line ends as "\n".
    const std::string& Output() const { return output_; }

  private:
    // False when nothing more can come.
    bool ReadSome(int timeoutMilliseconds);
    // Whatever the ended program left unread.
    void Drain();

    TempDir scratch_;
    int master_ = -1;
    pid_t child_ = -1;
    bool ended_ = false;
    int exitStatus_ = -1;
    std::string output_;
};

}  // namespace quorvex::test
