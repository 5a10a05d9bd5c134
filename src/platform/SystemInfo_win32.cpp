#include <windows.h>

#include "platform/SystemInfo.h"

namespace quorvex {

namespace {

using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

// GetVersionEx reports what the program's manifest claims to know; the system's own
// call reports the real release.
std::string OperatingSystemName() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto call = ntdll != nullptr
                          ? reinterpret_cast<RtlGetVersionCall>(
                                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                          : nullptr;
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (call == nullptr || call(&version) != 0) {
        return "(unbekannt)";
    }
    return "Windows " + std::to_string(version.dwMajorVersion) + "." +
           std::to_string(version.dwMinorVersion) + "." + std::to_string(version.dwBuildNumber);
}

ScriptFlavour NativeScriptFlavour() {
    return ScriptFlavour::WindowsBatch;
}

// Started by the shell, which runs the setup program.
const char* SetupPackageExtension() {
    return ".exe";
}

}  // namespace quorvex
