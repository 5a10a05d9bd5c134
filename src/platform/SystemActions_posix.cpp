#include <sys/resource.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Process.h"
#include "platform/SystemActions.h"

namespace quorvex {

namespace {

// The nice values that stand for the priority classes.
bool NiceValueOf(std::int32_t priorityClass, int& nice) {
    switch (priorityClass) {
        case 64:
            nice = 19;
            return true;
        case 32:
            nice = 0;
            return true;
        case 128:
            nice = -10;
            return true;
        case 256:
            nice = -20;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool OperatingSystemActions::SetProcessPriority(std::int32_t priorityClass) {
    int nice = 0;
    return NiceValueOf(priorityClass, nice) && setpriority(PRIO_PROCESS, 0, nice) == 0;
}

void OperatingSystemActions::LogOffUser() {
    std::vector<std::string> command{"loginctl", "terminate-session"};
    if (const char* session = std::getenv("XDG_SESSION_ID"); session != nullptr && *session) {
        command.emplace_back(session);
    }
    StartProgram(command);
}

void OperatingSystemActions::PowerOffComputer() {
    StartProgram({"systemctl", "poweroff"});
}

}  // namespace quorvex
