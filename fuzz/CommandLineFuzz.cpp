// The command line as the system hands it over: arguments separated by NUL bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/CommandLine.h"
#include "config/JobList.h"
#include "fuzz/FuzzSupport.h"

namespace quorvex {
namespace {

std::vector<std::string> SplitArguments(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += static_cast<char>(data[i]);
        }
    }
    return arguments;
}

bool EndsWithSlash(const std::string& path) {
    return !path.empty() && path.back() == '/';
}

void CheckSettings(const Settings& settings, ParseResult result, bool anyArgument) {
    using fuzz::Require;
    Require(settings.CommandLineGiven == (anyArgument ? 1 : 0),
            "any argument means a command line");
    Require(settings.CmdSource.empty() || EndsWithSlash(settings.CmdSource),
            "the source folder ends with a separator");
    Require(settings.CmdTarget.empty() || EndsWithSlash(settings.CmdTarget),
            "the target folder ends with a separator");
    Require(settings.LogfileDir.empty() || EndsWithSlash(settings.LogfileDir),
            "the log folder ends with a separator");
    Require(settings.Priority == kPriorityLow || settings.Priority == kPriorityNormal ||
                settings.Priority == kPriorityHigh || settings.Priority == kPriorityRealtime,
            "the priority is one of the four classes");
    Require(settings.LongTermMinutes > 0, "long-term minutes are positive");
    Require(settings.DefaultFileCheckSum <= 3, "a known fingerprint method");
    Require(
        settings.WindowHidden == 0 || (!settings.CmdSource.empty() && !settings.CmdTarget.empty()),
        "no hidden window without a job to run");
    Require(result == ParseResult::Ok || anyArgument, "only an argument can be unknown");
}

}  // namespace
}  // namespace quorvex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    const std::vector<std::string> arguments = SplitArguments(data, size);
    Settings settings;
    fuzz::SilentDialogs dialogs;
    fuzz::SilentLog log;
    const ParseResult result = ParseCommandLine(arguments, settings, log, dialogs);
    CheckSettings(settings, result, !arguments[0].empty());
    JobList jobs;
    if (BuildCommandLineJob(settings, 1780000000, jobs)) {
        fuzz::Require(jobs.Count() == 1, "one command-line job");
        const SyncJob& job = *jobs.begin();
        fuzz::Require(job.Source == settings.CmdSource && job.Target == settings.CmdTarget,
                      "the job takes the folders as given");
    }
    return 0;
}
