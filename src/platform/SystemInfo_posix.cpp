#include <sys/utsname.h>

#include "platform/SystemInfo.h"

namespace quorvex {

std::string OperatingSystemName() {
    struct utsname names {};
    if (uname(&names) != 0) {
        return "(unbekannt)";
    }
    return std::string(names.sysname) + " " + names.release;
}

ScriptFlavour NativeScriptFlavour() {
    return ScriptFlavour::Shell;
}

// Handed to the desktop, which gives it to the package installer for the user to confirm.
const char* SetupPackageExtension() {
    return ".deb";
}

}  // namespace quorvex
