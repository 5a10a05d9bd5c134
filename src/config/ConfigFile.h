#pragma once

#include <optional>
#include <string>

#include "config/JobList.h"
#include "config/Settings.h"
#include "report/LogSink.h"

namespace quorvex {

inline constexpr const char* kConfigFileName = "Quorvex.ini";

// The configuration file in the folder where the program keeps its data.
std::string ConfigFilePath(const std::string& dataFolder);

// What the options page shows at the moment of saving: the log folder as typed and the
// time difference field's text. Without them the values in use are saved.
struct OptionFieldTexts {
    std::string logfileDir;
    std::string timeDifference;
};

// Reads the options and the job list; a missing key keeps the value in place. The job
// list is replaced by the groups "Job #1", "Job #2" ... up to the first missing number.
// False when the file could not be read (the settings and jobs are then untouched).
bool LoadConfiguration(const std::string& path, Settings& settings, JobList& jobs, LogSink& log);

// Writes the whole file anew; keys and groups this program does not know are dropped.
// False when it could not be written; the old file then stays as it was.
bool SaveConfiguration(const std::string& path, const Settings& settings, const JobList& jobs,
                       LogSink& log, DateValue now,
                       const std::optional<OptionFieldTexts>& fields = std::nullopt);

}  // namespace quorvex
