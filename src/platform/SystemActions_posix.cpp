#include <linux/capability.h>
#include <linux/ioprio.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Process.h"
#include "platform/SystemActions.h"

namespace quorvex {

namespace {

constexpr std::int32_t kNormalClass = 32;
constexpr std::int32_t kLowClass = 64;
// The kernel lets an unprivileged thread lower its nice value down to 20 - RLIMIT_NICE.
constexpr long kNiceCeiling = 20;

// The nice values that stand for the priority classes.
bool NiceValueOf(std::int32_t priorityClass, int& nice) {
    switch (priorityClass) {
        case kLowClass:
            nice = 19;
            return true;
        case kNormalClass:
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

// Nice values and I/O priorities belong to each thread on Linux; 0 names the caller.
int ThreadNice() {
    return getpriority(PRIO_PROCESS, 0);
}

bool SetThreadNice(int nice) {
    return setpriority(PRIO_PROCESS, 0, nice) == 0;
}

int ThreadIoPriority() {
    return static_cast<int>(syscall(SYS_ioprio_get, IOPRIO_WHO_PROCESS, 0));
}

// Any thread may enter and leave the idle class.
bool SetThreadIoPriority(int ioPriority) {
    return syscall(SYS_ioprio_set, IOPRIO_WHO_PROCESS, 0, ioPriority) == 0;
}

bool HasNiceCapability() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    return (data[CAP_TO_INDEX(CAP_SYS_NICE)].effective & CAP_TO_MASK(CAP_SYS_NICE)) != 0;
}

bool MayLowerNiceTo(int nice) {
    rlimit limit{};
    if (getrlimit(RLIMIT_NICE, &limit) == 0 &&
        (limit.rlim_cur == RLIM_INFINITY ||
         kNiceCeiling - nice <= static_cast<long>(limit.rlim_cur))) {
        return true;
    }
    return HasNiceCapability();
}

}  // namespace

bool OperatingSystemActions::SetProcessPriority(std::int32_t priorityClass) {
    int nice = 0;
    if (!NiceValueOf(priorityClass, nice)) {
        return false;
    }
    if (priorityClass == kNormalClass) {
        return RestorePriority();
    }
    if (!niceBefore_) {
        niceBefore_ = ThreadNice();
        ioPriorityBefore_ = ThreadIoPriority();
    }
    bool applied = true;
    if (priorityClass == kLowClass) {
        applied = SetThreadIoPriority(IOPRIO_PRIO_VALUE(IOPRIO_CLASS_IDLE, 0));
    }
    if (nice > *niceBefore_ && !MayLowerNiceTo(*niceBefore_)) {
        return false;
    }
    return SetThreadNice(nice) && applied;
}

bool OperatingSystemActions::RestorePriority() {
    if (!niceBefore_) {
        return SetThreadNice(0);
    }
    const bool nice = SetThreadNice(*niceBefore_);
    const bool io = *ioPriorityBefore_ < 0 || SetThreadIoPriority(*ioPriorityBefore_);
    niceBefore_.reset();
    ioPriorityBefore_.reset();
    return nice && io;
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
