#pragma once

#include "program/JobStats.h"

namespace quorvex {

class RunLog;

// Adds one job's figures; the write rate is kept as a whole number.
void AddToTotals(RunTotals& totals, const JobStats& job);

// "##### GESAMTSTATISTIK:" and the figures of all jobs of a run.
void WriteTotalsBlock(RunLog& log, const RunTotals& totals);

}  // namespace quorvex
