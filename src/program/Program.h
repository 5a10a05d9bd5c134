#pragma once

#include <string>
#include <vector>

#include "config/JobList.h"
#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/RealFileSystem.h"
#include "platform/SystemActions.h"
#include "program/EngineState.h"
#include "program/EventPump.h"
#include "program/RunLog.h"
#include "program/RunState.h"
#include "program/SyncDisplay.h"
#include "report/UserDialogs.h"

namespace quorvex {

// Exit status of the process: 0 clean, 1 a run had errors or was aborted or a job could
// not run, 2 the command line, a start-up guard or the run's validation refused to start.
constexpr int kExitClean = 0;
constexpr int kExitRunProblems = 1;
constexpr int kExitRefused = 2;

// Owns everything that lives for the whole process; passed by reference, so tests
// build their own.
struct Program {
    Program(UserDialogs& dialogsIn, SyncDisplay& displayIn, EventPump& pumpIn)
        : dialogs(&dialogsIn),
          display(&displayIn),
          pump(&pumpIn),
          log(settings, dialogsIn, clock) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Settings settings;
    RunState run;
    JobList jobs;
    UserDialogs* dialogs;
    SyncDisplay* display;
    EventPump* pump;
    // Tests put a fake clock here.
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log;
    // Priority, log-off and power-off; start-up puts the real ones here.
    NullSystemActions noSystemActions;
    SystemActions* system = &noSystemActions;
    // Every file and folder the jobs read or write; tests put an in-memory one here.
    RealFileSystem realFiles;
    FileSystem* files = &realFiles;
    EngineState engine;
    // "Job #n: title|reason|detail" rows, collected while the display wants them.
    std::vector<std::string> changeList;
    int exitStatus = kExitClean;
    // The update's setup has started: the program ends at once, without saving, so that
    // the setup can replace it.
    bool endAtOnce = false;
};

}  // namespace quorvex
