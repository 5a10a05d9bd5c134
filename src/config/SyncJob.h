#pragma once

#include <cstdint>
#include <string>

#include "config/Settings.h"

namespace quorvex {

// State bits of a job's row: 2 = ticked, 1 = selected. A job runs when Active > 1.
constexpr std::uint8_t kJobTicked = 2;
constexpr std::uint8_t kJobSelected = 1;

struct SyncJob {
    std::uint8_t Active = 0;
    std::string Title;
    DateValue Created = 0;
    DateValue LastRun = 0;  // 0 = never
    std::string Source;
    std::string Target;
    std::string Extentions;  // empty = all files; "!" + list = all but these
    YesNo SubDirs = 0;
    YesNo CreateTargetSubDirs = 0;
    YesNo DeleteFiles = 0;
    std::uint8_t FileCheckSum = 0;  // 0 none, 1 QSM, 2 CRC32, 3 MD5

    bool IsActive() const { return Active > 1; }
};

}  // namespace quorvex
