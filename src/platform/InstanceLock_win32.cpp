#include <windows.h>

#include "platform/InstanceLock.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

// A mutex name may hold no "\" beyond its namespace, so the folder's are turned round.
std::wstring MutexName(const std::string& folder, const std::string& name) {
    std::wstring wide = Widen(folder + name);
    for (wchar_t& c : wide) {
        if (c == L'\\') {
            c = L'/';
        }
    }
    return L"Local\\" + wide;
}

}  // namespace

InstanceLock::~InstanceLock() {
    if (handle_ >= 0) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

// The mutex lives as long as a process holds a handle to it, so one that exists already
// belongs to a running instance; the system closes the handle however the process ends.
LockResult InstanceLock::Acquire(const std::string& name) {
    if (folder_.empty()) {
        return LockResult::Failed;
    }
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexName(folder_, name).c_str());
    if (mutex == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED ? LockResult::Taken : LockResult::Failed;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return LockResult::Taken;
    }
    if (handle_ >= 0) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
    heldName_ = name;
    return LockResult::Acquired;
}

// The session's own namespace already keeps the names apart per user.
std::string InstanceLockFolder() {
    return "Quorvex\\";
}

}  // namespace quorvex
