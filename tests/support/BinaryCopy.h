#pragma once

#include <string>

namespace quorvex::test {

// The program keeps its configuration beside its own file, so tests that need a
// configuration file run a private copy of the built binary and its window module (when
// it has one). Returns the copy's path.
std::string CopyQuorvexBinaryInto(const std::string& folder);

// False when the build links the window half into the program file, or has none.
bool ProgramHasWindowModule();
// False when the program was built without its window half.
bool ProgramHasWindowHalf();

// Writes a password into a program file with the project's tool; true on success.
bool WritePasswordInto(const std::string& program, const std::string& password);

}  // namespace quorvex::test
