#pragma once

#include <string>
#include <vector>

namespace quorvex {

// The whole life of the program: defaults, command line, configuration, guards, the
// window or the unattended run, the main loop and the orderly end. Returns the exit status.
int RunQuorvex(const std::vector<std::string>& arguments);

}  // namespace quorvex
