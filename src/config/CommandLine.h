#pragma once

#include <string>
#include <vector>

#include "config/Settings.h"
#include "report/LogSink.h"
#include "report/UserDialogs.h"

namespace quorvex {

enum class ParseResult { Ok, UnknownArgument };

// Applies the switches to the settings. The arguments come already split (without the
// program's own path); an empty argument ends the parsing as the end of the line does.
// An unrecognised argument is reported to the user and nothing else happens.
ParseResult ParseCommandLine(const std::vector<std::string>& arguments, Settings& settings,
                             LogSink& log, UserDialogs& dialogs);

}  // namespace quorvex
