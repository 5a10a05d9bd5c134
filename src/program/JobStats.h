#pragma once

#include <cstdint>

namespace quorvex {

// One job's figures; the run totals have the same shape. Counts are 32-bit, times are
// milliseconds, bytes are 64-bit, the write rate is single-precision.
struct JobStats {
    std::int32_t sourceFiles = 0;
    std::int32_t targetFiles = 0;
    std::int32_t newFiles = 0;
    std::int32_t changedFiles = 0;
    std::int32_t foldersCreated = 0;
    std::int32_t filesCopied = 0;
    std::int64_t bytesCopied = 0;
    std::int32_t filesDeleted = 0;
    std::int32_t foldersDeleted = 0;
    std::int32_t copyErrors = 0;
    std::int32_t deleteErrors = 0;
    std::int32_t folderDeleteErrors = 0;
    std::int32_t readTime = 0;
    std::int32_t compareTime = 0;
    std::int32_t deleteTime = 0;
    std::int32_t copyTime = 0;
    std::int32_t jobTime = 0;
    float writeRate = 0;
};

using RunTotals = JobStats;

}  // namespace quorvex
