#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/Settings.h"

namespace quorvex {

class LogSink;
class UserDialogs;

// How an option's value is stored in the INI file and taken from its switch.
enum class OptionKind {
    Flag,           // a yes/no or choice byte; its switch takes no value and sets switchValue
    Integer,        // a whole number
    Text,           // a text taken as it is
    Folder,         // a folder that always ends with the separator
    FolderOrEmpty,  // empty, or a folder ending with the separator
};

// What a switch with an action of its own works with while the command line is parsed.
struct SwitchContext {
    Settings& settings;
    LogSink& log;
    UserDialogs& dialogs;
    std::function<std::string()> takeValue;  // the next argument unchanged, empty past the last
};

// One switch of an exported command line, with its value when it takes one.
struct ExportedSwitch {
    std::string name;
    std::optional<std::string> value;
    bool valueIsFolder = false;  // a batch line quotes folders
};

using SwitchAction = void (*)(SwitchContext& context);
using ExportAction = std::optional<ExportedSwitch> (*)(const Settings& settings);

// One option: its switch, its INI key, the field it lives in and how the value is treated.
// Exactly one of the field pointers is set, the one that fits the kind.
struct OptionRow {
    const char* switchName;  // nullptr: no switch
    const char* iniKey;      // nullptr: not stored in the INI file
    OptionKind kind;
    YesNo Settings::*flag = nullptr;
    std::int32_t Settings::*integer = nullptr;
    std::string Settings::*text = nullptr;
    YesNo switchValue = 0;
    const char* switchAlias = nullptr;  // a second spelling the parser accepts, never exported
    SwitchAction apply = nullptr;       // nullptr: the kind's rule
    ExportAction exportAs = nullptr;    // nullptr: the kind's rule
};

// Every option; the rows with an INI key come first, in the order of the file.
const std::vector<OptionRow>& OptionTable();

// The row whose switch or alias is exactly this lower-case name, or nullptr.
const OptionRow* FindSwitch(const std::string& name);

// A text value as the kind keeps it: folders get their trailing separator.
std::string KeptText(OptionKind kind, const std::string& value);

}  // namespace quorvex
