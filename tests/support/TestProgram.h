#pragma once

#include "program/Program.h"
#include "support/EngineFakes.h"
#include "support/FakeClock.h"
#include "support/RecordingDialogs.h"

namespace quorvex::test {

// A Program wired to recording fakes. Unattended (window hidden) unless told otherwise;
// the run log stays in its buffer; time passes only as the fake clock lets it.
struct TestProgram {
    explicit TestProgram(bool window = false) {
        program.system = &system;
        program.clock = &clock;
        pump.waitClock = &clock;
        program.settings.WindowHidden = window ? 0 : 1;
    }

    SyncJob& AddJob(const std::string& source, const std::string& target) {
        SyncJob& job = program.jobs.AddAfterCurrent();
        job.Active = kJobTicked;
        job.Title = "Job";
        job.Source = source;
        job.Target = target;
        job.SubDirs = 1;
        return job;
    }

    std::vector<std::string> LogLines() const { return program.log.BufferedLines(); }

    RecordingDialogs dialogs;
    RecordingDisplay display;
    ScriptedPump pump;
    RecordingSystemActions system;
    FakeClock clock;
    Program program{dialogs, display, pump};
};

}  // namespace quorvex::test
