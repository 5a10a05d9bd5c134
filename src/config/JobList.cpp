#include "config/JobList.h"

#include "platform/TextFormat.h"

namespace quorvex {

bool BuildCommandLineJob(const Settings& settings, DateValue now, JobList& jobs) {
    if (settings.CmdSource.empty() || settings.CmdTarget.empty()) {
        return false;
    }
    jobs.Clear();
    SyncJob& job = jobs.AddAfterCurrent();
    job.Title = ShortenPath(settings.CmdSource, 20);
    job.Active = kJobTicked;
    job.Created = now;
    job.LastRun = 0;
    ForEachCommandLineJobField(settings, job,
                               [](const auto& setting, auto& field) { field = setting; });
    return true;
}

}  // namespace quorvex
