#pragma once

#include <cstdint>

#include "program/JobStats.h"

namespace quorvex {

class RunLog;
struct Program;

// Bytes per second of a copy phase; 0 when nothing was copied, and a rate below 0 or
// above 2,000,000 (which covers a copy time of 0 ms) counts as 0.
float WriteRate(std::int64_t bytesCopied, std::int32_t copyTimeMs);

// "Quelldateien: " down to "Löschen benötigte: ": the lines the job block and the run
// totals share.
void WriteFigureLines(RunLog& log, const JobStats& stats);

// Whether a job found and changed nothing.
bool NothingChanged(const JobStats& stats);

// The job's closing block, from "### STATISTIK:" to its empty line.
void WriteStatisticsBlock(Program& program);

// The end of a job on the screen, in window mode only.
void ShowJobEnd(Program& program);

}  // namespace quorvex
