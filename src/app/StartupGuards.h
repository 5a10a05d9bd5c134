#pragma once

#include <optional>
#include <string>

#include "platform/InstanceLock.h"
#include "program/Program.h"

namespace quorvex {

// At most five instances: the first holds the name "Quorvex", further ones - after the
// user agreed - "Quorvex1" to "Quorvex4". The lock keeps the name for the process's
// life. False when the program has to end.
bool PassInstanceLimit(InstanceLock& lock, RunLog& log, UserDialogs& dialogs);

// Without a password the check passes; with one the user has exactly one attempt, and
// the text must match byte for byte.
bool PassPasswordCheck(const std::optional<std::string>& password, RunLog& log,
                       UserDialogs& dialogs);

// The instance limit, then the password written into this program file.
bool PassStartupGuards(Program& program, InstanceLock& lock);

}  // namespace quorvex
