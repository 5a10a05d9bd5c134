#pragma once

#include <string>

namespace quorvex {

// The running system's name and release, e.g. "Linux 6.1.0-18-amd64".
std::string OperatingSystemName();

}  // namespace quorvex
