#pragma once

#include <string>
#include <vector>

#include "config/JobList.h"
#include "config/OptionTable.h"
#include "config/Settings.h"
#include "platform/SystemInfo.h"

namespace quorvex {

// The answers to the questions an export asks.
struct BatchAnswers {
    bool autoStart = true;
    bool showWindow = true;
    bool showStatistics = true;
};

// The switches of one program start.
using BatchCommand = std::vector<ExportedSwitch>;

// One program start per active job in list order, with the job's folders, filter and options
// and the global options; -lock, -down and -logdir only on the last start, or alone when no
// job is active.
std::vector<BatchCommand> BatchCommands(const Settings& settings, const JobList& jobs,
                                        const BatchAnswers& answers);

// A script's bytes, or the value that it cannot carry.
struct BatchScript {
    std::string text;
    std::string refused;  // not empty: nothing may be written
};

// The script that runs the program file with each command; values come as UTF-8.
BatchScript WriteBatchScript(ScriptFlavour flavour, const std::string& program,
                             const std::vector<BatchCommand>& commands);

// The file name an export proposes and the save dialog's filter.
std::string BatchFileName(ScriptFlavour flavour);
std::string BatchFileFilter(ScriptFlavour flavour);

}  // namespace quorvex
