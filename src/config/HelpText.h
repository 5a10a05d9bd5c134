#pragma once

#include <string>

#include "platform/DateTime.h"

namespace quorvex {

// The information page's text, switches documented included.
std::string BuildHelpText(DateValue now);

}  // namespace quorvex
