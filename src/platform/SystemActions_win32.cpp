#include <windows.h>

#include "platform/SystemActions.h"

namespace quorvex {

namespace {

bool PriorityClassOf(std::int32_t priorityClass, DWORD& value) {
    switch (priorityClass) {
        case 64:
            value = IDLE_PRIORITY_CLASS;
            return true;
        case 32:
            value = NORMAL_PRIORITY_CLASS;
            return true;
        case 128:
            value = HIGH_PRIORITY_CLASS;
            return true;
        case 256:
            value = REALTIME_PRIORITY_CLASS;
            return true;
        default:
            return false;
    }
}

// Shutting the machine down needs the privilege switched on in the process's token.
void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

}  // namespace

bool OperatingSystemActions::SetProcessPriority(std::int32_t priorityClass) {
    DWORD value = 0;
    return PriorityClassOf(priorityClass, value) &&
           SetPriorityClass(GetCurrentProcess(), value) != 0;
}

void OperatingSystemActions::LogOffUser() {
    ExitWindowsEx(EWX_LOGOFF, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED);
}

void OperatingSystemActions::PowerOffComputer() {
    EnableShutdownPrivilege();
    ExitWindowsEx(EWX_POWEROFF, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED);
}

}  // namespace quorvex
