#pragma once

#include <string>

namespace quorvex {

// The running system's name and release, e.g. "Linux 6.1.0-18-amd64".
std::string OperatingSystemName();

// The kind of script that repeats jobs unattended on this system.
enum class ScriptFlavour { Shell, WindowsBatch };
ScriptFlavour NativeScriptFlavour();

// The file type of the setup an update brings: this system's package format.
const char* SetupPackageExtension();

}  // namespace quorvex
