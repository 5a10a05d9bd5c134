#pragma once

#include <string>

#include "config/JobList.h"

namespace quorvex {

// The editor for the current job of the list. It returns when its window has been
// closed; cancelling a job that was never saved (its Source is empty) removes it again.
class JobEditor {
  public:
    virtual ~JobEditor() = default;
    // False when the editor could not be opened.
    virtual bool Open(const std::string& title) = 0;
};

// The cancel rule every editor applies on its way out.
void DropUnsavedJob(JobList& jobs);

}  // namespace quorvex
