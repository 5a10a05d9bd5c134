#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/JobList.h"
#include "report/UserDialogs.h"
#include "ui/JobEditor.h"

namespace quorvex {

// What the job page does with the job list, apart from the window itself. A row is the
// 0-based position of a job; -1 means no row is selected. The deciding ones return whether
// the list changed and must be redrawn.

// A new job after the current one, handed to the editor with the given title.
void AddJob(JobList& jobs, JobEditor& editor, const std::string& title);

// The selected job in the editor titled "Job <n> ändern"; without a selection a message.
bool EditSelectedJob(JobList& jobs, JobEditor& editor, UserDialogs& dialogs, long row);

// With SHIFT held: all jobs after one question. Otherwise the selected job after its
// question, or a message when none is selected.
bool DeleteJobs(JobList& jobs, UserDialogs& dialogs, bool shiftDown, long row);

// The state bits of every row (2 ticked, +1 selected) become the Active value of the job
// at the same position.
void TakeRowStates(JobList& jobs, const std::vector<std::uint8_t>& rowStates);

}  // namespace quorvex
