#pragma once

#include <string>
#include <vector>

#include "program/JobStats.h"

namespace quorvex {

// One row of the statistics window; an empty row has empty texts in both columns.
struct StatisticsRow {
    std::string label;
    std::string value;
};

// The 24 rows of the statistics window for a run's totals.
std::vector<StatisticsRow> BuildStatisticsRows(const RunTotals& totals);

// "Quorvex - Statistik", or "Quorvex - Vorschau-Statistik" after a preview.
std::string StatisticsWindowTitle(bool preview);

}  // namespace quorvex
