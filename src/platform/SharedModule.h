#pragma once

#include <string>
#include <vector>

namespace quorvex {

// The file name of the program's module called name on this platform ("name.so").
std::string ModuleFileName(const std::string& name);

// The folders the program's modules may sit in, in the order they are tried: beside the
// program (a build folder), then the places an installation keeps them beside its program
// folder. Each ends with the separator.
std::vector<std::string> ModuleFolders(const std::string& programFolder);

// Loads a module of the program (a shared library) and finds one of its entry points.
// The module stays loaded for the rest of the process. Null when the module or the entry
// point is missing; problem then tells why.
void* FindModuleEntry(const std::string& path, const char* entry, std::string& problem);

}  // namespace quorvex
