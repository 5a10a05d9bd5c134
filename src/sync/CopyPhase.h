#pragma once

#include <string>

namespace quorvex {

struct Program;

// Checks the target's free space, creates the folders and copies the files of the
// CopyList (a failed copy is tried once more with the system's copy), sets
// foldersCreated, filesCopied, bytesCopied, copyErrors and copyTime, and empties the
// CopyList and the ScanList at its end. Always writes its summary line.
void RunCopyPhase(Program& program, const std::string& sourceRoot, const std::string& targetRoot);

// The reason line's text after the code of a failed first attempt.
const char* CopyFailureReason(int code);

}  // namespace quorvex
