#pragma once

#include "config/Settings.h"
#include "config/SyncJob.h"
#include "platform/CursorList.h"

namespace quorvex {

// The jobs in user order, with a cursor on the current job.
class JobList {
  public:
    std::size_t Count() const { return jobs_.Count(); }
    void Clear() { jobs_.Clear(); }
    void ResetCursor() { jobs_.Reset(); }
    // Steps to the next job; nullptr at the end of the list.
    SyncJob* Next() { return jobs_.Next(); }
    SyncJob* Select(std::size_t position) { return jobs_.Select(position); }
    SyncJob* Current() { return jobs_.Current(); }
    long CurrentPosition() const { return jobs_.CurrentPosition(); }
    // A new, empty job right after the current one (first when there is none).
    SyncJob& AddAfterCurrent() { return jobs_.Add(); }
    void DeleteCurrent() { jobs_.Delete(); }

    // Walking without moving the cursor.
    auto begin() { return jobs_.begin(); }
    auto end() { return jobs_.end(); }
    auto begin() const { return jobs_.begin(); }
    auto end() const { return jobs_.end(); }

  private:
    CursorList<SyncJob> jobs_;
};

// The job fields the command line carries, each with the setting that holds it there: one
// list for both directions, so a job read from the switches and a job written as switches
// cannot drift apart. visit(settingsField, jobField) is called for each pair.
template <typename SettingsType, typename JobType, typename Visit>
void ForEachCommandLineJobField(SettingsType& settings, JobType& job, Visit visit) {
    visit(settings.CmdSource, job.Source);
    visit(settings.CmdTarget, job.Target);
    visit(settings.CmdExtentions, job.Extentions);
    visit(settings.DefaultSubDirs, job.SubDirs);
    visit(settings.DefaultCreateTargetSubDirs, job.CreateTargetSubDirs);
    visit(settings.DefaultDeleteFiles, job.DeleteFiles);
    visit(settings.DefaultFileCheckSum, job.FileCheckSum);
}

// With CmdSource and CmdTarget both given, the list becomes the one command-line job.
// Returns whether it did.
bool BuildCommandLineJob(const Settings& settings, DateValue now, JobList& jobs);

}  // namespace quorvex
