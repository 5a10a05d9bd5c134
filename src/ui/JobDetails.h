#pragma once

#include <string>

#include "config/SyncJob.h"

namespace quorvex {

// The details text of a job as the job page shows it, every line ending in CR LF.
std::string JobDetailsText(const SyncJob& job, const std::string& dateDisplayMask);

}  // namespace quorvex
