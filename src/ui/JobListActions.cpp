#include "ui/JobListActions.h"

namespace quorvex {

namespace {

constexpr const char* kTitle = "Quorvex";

}  // namespace

void AddJob(JobList& jobs, JobEditor& editor, const std::string& title) {
    jobs.AddAfterCurrent();
    editor.Open(title);
}

bool EditSelectedJob(JobList& jobs, JobEditor& editor, UserDialogs& dialogs, long row) {
    if (row < 0 || jobs.Select(static_cast<std::size_t>(row)) == nullptr) {
        dialogs.ShowMessage("Es wurde kein Job gewählt, der geändert werden könnte", kTitle,
                            MessageIcon::None);
        return false;
    }
    editor.Open("Job " + std::to_string(row + 1) + " ändern");
    return true;
}

bool DeleteJobs(JobList& jobs, UserDialogs& dialogs, bool shiftDown, long row) {
    if (shiftDown) {
        if (!dialogs.AskYesNo("Möchten Sie wirklich ALLE Jobs löschen?", kTitle)) {
            return false;
        }
        jobs.Clear();
        return true;
    }
    SyncJob* job = row >= 0 ? jobs.Select(static_cast<std::size_t>(row)) : nullptr;
    if (job == nullptr) {
        dialogs.ShowMessage("Es wurde kein Job gewählt, der gelöscht werden könnte", kTitle,
                            MessageIcon::None);
        return false;
    }
    if (!dialogs.AskYesNo("Möchten Sie den folgenden Job löschen?\r\n\r\n" + job->Title, kTitle)) {
        return false;
    }
    jobs.DeleteCurrent();
    return true;
}

void TakeRowStates(JobList& jobs, const std::vector<std::uint8_t>& rowStates) {
    std::size_t row = 0;
    for (SyncJob& job : jobs) {
        if (row >= rowStates.size()) {
            break;
        }
        job.Active = rowStates[row++];
    }
}

}  // namespace quorvex
