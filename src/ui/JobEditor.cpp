#include "ui/JobEditor.h"

namespace quorvex {

void DropUnsavedJob(JobList& jobs) {
    const SyncJob* job = jobs.Current();
    if (job != nullptr && job->Source.empty()) {
        jobs.DeleteCurrent();
    }
}

}  // namespace quorvex
