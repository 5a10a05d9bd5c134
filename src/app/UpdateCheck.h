#pragma once

#include <functional>
#include <string>

#include "platform/Download.h"
#include "program/Program.h"

namespace quorvex {

struct UpdateCheckServices {
    // Opens the setup or the maker's web site (RunExternal); true when it started.
    std::function<bool(const std::string&)> openExternal;
    // For both downloads; the version file is also limited in size.
    DownloadLimits limits;
};

// The update server: QUORVEX_UPDATE_URL when set, otherwise the address the program was
// built with.
std::string UpdateServerAddress();

// Asks the update server for its version, tells the user, and on request fetches the
// setup into the current folder and starts it. Returns when the dialogue with the user is
// over; when the setup started, program.endAtOnce is set and the program must end
// without saving.
void UpdateCheck(Program& program, const UpdateCheckServices& services);

}  // namespace quorvex
