#pragma once

#include <cstdint>
#include <string>

#include "program/SyncDisplay.h"

namespace quorvex {

struct Program;

// With the window hidden no display element is touched; the log is the same.
bool WindowMode(const Program& program);

// Shows a count through FormatThousands, in window mode only.
void ShowCount(Program& program, StatField field, std::int64_t value);

// Adds "Job #n: title" + detail to the change list while the window wants the rows.
void AddChangeRow(Program& program, const std::string& detail);

// Window events and repaints after a batch of display updates.
void FlushEvents(Program& program);

}  // namespace quorvex
