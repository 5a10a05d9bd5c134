#pragma once

#include <optional>
#include <string>

#include "config/ConfigFile.h"
#include "program/Program.h"
#include "run/LongTermLoop.h"

namespace quorvex {

// What the main window does in a session and the unattended program does not (or does
// differently): the session's steps are the same for both.
class SessionFront {
  public:
    virtual ~SessionFront() = default;

    // The job list changed (the command-line job came in): show it.
    virtual void ShowJobList() = 0;
    // One run of all jobs; the worst outcome of the session is its exit status.
    virtual void RunJobs() = 0;
    // Long-term mode as the command line or the configuration asked for it.
    virtual LongTermEnd RunLongTermLoop() = 0;
    // The update check; the window stays alive while it downloads.
    virtual void CheckForUpdate() = 0;
    // Handles the user's events until the session ends.
    virtual void RunMainLoop() = 0;
    // The option fields whose text is saved as typed; none without a window.
    virtual std::optional<OptionFieldTexts> OptionFields() = 0;
};

// The session after start-up: the command-line job and its autostarted run, long-term
// mode, the main loop and the save at the end. Returns the exit status.
int RunSession(Program& program, SessionFront& front, const std::string& configPath);

// The front of -nowin: no window to show, no events to wait for.
class UnattendedFront : public SessionFront {
  public:
    explicit UnattendedFront(Program& program) : program_(program) {}

    void ShowJobList() override {}
    void RunJobs() override;
    LongTermEnd RunLongTermLoop() override;
    void CheckForUpdate() override;
    void RunMainLoop() override {}
    std::optional<OptionFieldTexts> OptionFields() override { return std::nullopt; }

  private:
    Program& program_;
};

}  // namespace quorvex
