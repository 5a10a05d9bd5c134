#pragma once

#include <string>

#include "platform/DateTime.h"
#include "platform/Ticks.h"

namespace quorvex {

struct Program;
struct Settings;

// The run's log file: "Quorvex.log" in the log folder, or one file per run named after
// the date; when that name is taken already, the tick count is added.
std::string RunLogPath(const Settings& settings, DateValue now, Ticks ticks);

// The block at the top of every run log.
void WriteRunHeader(Program& program, DateValue now);

}  // namespace quorvex
