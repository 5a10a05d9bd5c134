#include "config/CommandLine.h"

#include <functional>

#include "platform/DateTime.h"
#include "platform/Paths.h"
#include "platform/TextCase.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {

// Walks the arguments; a switch with a value takes the next one unchanged.
class ArgumentReader {
  public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    // The next argument, or the empty text past the last one.
    std::string Take() { return position_ < arguments_.size() ? arguments_[position_++] : ""; }

  private:
    const std::vector<std::string>& arguments_;
    std::size_t position_ = 0;
};

struct ParseState {
    Settings& settings;
    RunLog& log;
    UserDialogs& dialogs;
    ArgumentReader& reader;
};

using SwitchAction = std::function<void(ParseState&)>;

struct Switch {
    const char* name;
    SwitchAction apply;
};

SwitchAction SetFlag(YesNo Settings::*field, YesNo value) {
    return [field, value](ParseState& state) { state.settings.*field = value; };
}

SwitchAction SetChecksum(std::uint8_t method) {
    return [method](ParseState& state) { state.settings.DefaultFileCheckSum = method; };
}

void ApplyLongTerm(ParseState& state) {
    const std::int32_t minutes = LeadingInteger(state.reader.Take());
    if (minutes > 0) {
        state.settings.LongTermMinutes = minutes;
        state.settings.LongTerm = 1;
    }
}

void ApplyPriority(ParseState& state) {
    const std::string value = LowerCaseLatin1(state.reader.Take());
    if (value == "low") {
        state.settings.Priority = kPriorityLow;
    } else if (value == "high") {
        state.settings.Priority = kPriorityHigh;
    } else if (value == "real") {
        state.settings.Priority = kPriorityRealtime;
    }
}

void ApplyNoWindow(ParseState& state) {
    if (!state.settings.CmdSource.empty() && !state.settings.CmdTarget.empty()) {
        state.settings.WindowHidden = 1;
        state.settings.ExitAfterRun = 1;
    } else {
        state.dialogs.ShowMessage("Quell- oder Zielordner fehlt!", "Quorvex", MessageIcon::Error);
    }
}

void ApplyLogFolder(ParseState& state) {
    const std::string folder = state.reader.Take();
    state.settings.LogfileDir = folder.empty() ? folder : WithTrailingSeparator(folder);
}

// In the order in which they are compared.
const std::vector<Switch>& SwitchTable() {
    static const std::vector<Switch> table = {
        {"-debug",
         [](ParseState& s) {
             s.settings.DebugMode = 1;
             s.log.Debug("Programm geladen, Debug-Mode gestartet");
         }},
        {"-s",
         [](ParseState& s) { s.settings.CmdSource = WithTrailingSeparator(s.reader.Take()); }},
        {"-d",
         [](ParseState& s) { s.settings.CmdTarget = WithTrailingSeparator(s.reader.Take()); }},
        {"-incl", [](ParseState& s) { s.settings.CmdExtentions = s.reader.Take(); }},
        {"-excl", [](ParseState& s) { s.settings.CmdExtentions = "!" + s.reader.Take(); }},
        {"-nosubs", SetFlag(&Settings::DefaultSubDirs, 0)},
        {"-nosub", SetFlag(&Settings::DefaultSubDirs, 0)},
        {"-nolog", SetFlag(&Settings::Logging, 0)},
        {"-nodatecheck", SetFlag(&Settings::FileCheck_Date, 0)},
        {"-noattributecheck", SetFlag(&Settings::FileCheck_Attribute, 0)},
        {"-noexistcheck", SetFlag(&Settings::Filecheck_Exist, 0)},
        {"-createdir", SetFlag(&Settings::DefaultCreateTargetSubDirs, 1)},
        {"-securelog", SetFlag(&Settings::SecureLog, 1)},
        {"-l", ApplyLongTerm},
        {"-history", SetFlag(&Settings::LogfileNo, 1)},
        {"-down", SetFlag(&Settings::Shutdown, 1)},
        {"-md5", SetChecksum(3)},
        {"-crc", SetChecksum(2)},
        {"-qsm", SetChecksum(1)},
        {"-utc", [](ParseState& s) { s.settings.UTC_Time = TimeZoneStateCode(); }},
        {"-logdir", ApplyLogFolder},
        {"-nospacecheck", SetFlag(&Settings::CheckTargetSpace, 0)},
        {"-lock", SetFlag(&Settings::LockWorkStation, 1)},
        {"-minimize", SetFlag(&Settings::AutoMinimize, 1)},
        {"-nostats", SetFlag(&Settings::ShowStatistics, 0)},
        {"-nostat", SetFlag(&Settings::ShowStatistics, 0)},
        {"-prio", ApplyPriority},
        {"-pri", ApplyPriority},
        {"-nowin", ApplyNoWindow},
        {"-tray", SetFlag(&Settings::Systray, 1)},
        {"-systray", SetFlag(&Settings::Systray, 1)},
        {"-del", SetFlag(&Settings::DefaultDeleteFiles, 1)},
        {"-start", SetFlag(&Settings::AutoStart, 1)},
        {"-exit", SetFlag(&Settings::ExitAfterRun, 1)},
    };
    return table;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments, Settings& settings,
                             RunLog& log, UserDialogs& dialogs) {
    ArgumentReader reader(arguments);
    ParseState state{settings, log, dialogs, reader};
    for (std::string argument = reader.Take(); !argument.empty(); argument = reader.Take()) {
        log.Debug("Programmparameter: " + argument);
        settings.CommandLineGiven = 1;
        const std::string lowered = LowerCaseLatin1(argument);
        bool matched = false;
        for (const Switch& entry : SwitchTable()) {
            if (lowered == entry.name) {
                entry.apply(state);
                matched = true;
                break;
            }
        }
        if (!matched) {
            log.Debug("Unbkannter Befehl: " + argument);
            dialogs.ShowMessage("Unbekannter Befehl:\r" + argument, "Quorvex", MessageIcon::Error);
            return ParseResult::UnknownArgument;
        }
    }
    return ParseResult::Ok;
}

}  // namespace quorvex
