#include "sync/JobDisplay.h"

#include "platform/TextFormat.h"
#include "program/Program.h"

namespace quorvex {

bool WindowMode(const Program& program) {
    return program.settings.WindowHidden == 0;
}

void ShowCount(Program& program, StatField field, std::int64_t value) {
    if (WindowMode(program)) {
        program.display->SetStatisticsField(field, FormatThousands(value));
    }
}

void AddChangeRow(Program& program, const std::string& detail) {
    if (WindowMode(program) && program.display->ChangeListWanted()) {
        program.changeList.push_back("Job #" + std::to_string(program.engine.jobNumber) + ": " +
                                     program.engine.jobTitle + detail);
    }
}

void FlushEvents(Program& program) {
    program.pump->FlushDisplay();
}

}  // namespace quorvex
