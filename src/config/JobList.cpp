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
    job.Source = settings.CmdSource;
    job.Target = settings.CmdTarget;
    job.Extentions = settings.CmdExtentions;
    job.SubDirs = settings.DefaultSubDirs;
    job.CreateTargetSubDirs = settings.DefaultCreateTargetSubDirs;
    job.DeleteFiles = settings.DefaultDeleteFiles;
    job.FileCheckSum = settings.DefaultFileCheckSum;
    return true;
}

}  // namespace quorvex
