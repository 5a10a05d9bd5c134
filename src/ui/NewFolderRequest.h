#pragma once

#include <string>

#include "platform/DateTime.h"
#include "report/UserDialogs.h"

namespace quorvex {

// The side of the job editor a new folder is made on.
enum class FolderSide { Source, Target };

// Asks for the name of a new folder inside parent (a folder path ending in the separator),
// proposing "Source_" or "BackUp_" and the time now in the date file mask, and creates it,
// one level deep. Returns the new folder's path; empty when the user gave no name or the
// folder could not be created (the user has then been told).
std::string RequestNewFolder(UserDialogs& dialogs, FolderSide side, const std::string& parent,
                             const std::string& dateFileMask, DateValue now);

}  // namespace quorvex
