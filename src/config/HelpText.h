#pragma once

#include <string>

#include "platform/DateTime.h"

namespace quorvex {

// The section of the information page that documents the switches, heading included.
std::string SwitchHelp();

// The information page's text, switches documented included.
std::string BuildHelpText(DateValue now);

}  // namespace quorvex
