#pragma once

#include <string>

namespace quorvex {

struct Program;

enum class LongTermEnd {
    Refused,  // no window, bad command-line folders or minutes out of range: no loop
    Ended,    // the loop ran until ESC, an abort or a run that ends the program
};

// Long-term mode: runs every job once per period of LongTermMinutes, the period counted
// from the end of the previous run, and counts the seconds down in the status bar and the
// title meanwhile. The first run comes after a full period. minutesField is the text of the
// window's minutes field, read for the period when the program was started without
// arguments.
LongTermEnd LongTermLoop(Program& program, const std::string& minutesField);

}  // namespace quorvex
