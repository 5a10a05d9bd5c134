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

}  // namespace quorvex
