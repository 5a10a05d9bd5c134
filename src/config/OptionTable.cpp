#include "config/OptionTable.h"

#include "platform/DateTime.h"
#include "platform/Paths.h"
#include "platform/TextCase.h"
#include "platform/TextFormat.h"
#include "report/LogSink.h"
#include "report/UserDialogs.h"

namespace quorvex {

namespace {

OptionRow Flag(const char* switchName, const char* iniKey, YesNo Settings::*field,
               YesNo switchValue) {
    OptionRow row{switchName, iniKey, OptionKind::Flag};
    row.flag = field;
    row.switchValue = switchValue;
    return row;
}

OptionRow Integer(const char* switchName, const char* iniKey, std::int32_t Settings::*field) {
    OptionRow row{switchName, iniKey, OptionKind::Integer};
    row.integer = field;
    return row;
}

OptionRow Text(OptionKind kind, const char* switchName, const char* iniKey,
               std::string Settings::*field) {
    OptionRow row{switchName, iniKey, kind};
    row.text = field;
    return row;
}

OptionRow WithAlias(OptionRow row, const char* alias) {
    row.switchAlias = alias;
    return row;
}

OptionRow WithActions(OptionRow row, SwitchAction apply, ExportAction exportAs) {
    row.apply = apply;
    row.exportAs = exportAs;
    return row;
}

std::optional<ExportedSwitch> Named(const char* name) {
    return ExportedSwitch{name, std::nullopt};
}

std::optional<ExportedSwitch> Valued(const char* name, const std::string& value) {
    return ExportedSwitch{name, value};
}

void ApplyDebug(SwitchContext& context) {
    context.settings.DebugMode = 1;
    context.log.Debug("Programm geladen, Debug-Mode gestartet");
}

void ApplyExclude(SwitchContext& context) {
    context.settings.CmdExtentions = "!" + context.takeValue();
}

std::optional<ExportedSwitch> ExportInclude(const Settings& settings) {
    const std::string& filter = settings.CmdExtentions;
    if (filter.empty() || filter[0] == '!') {
        return std::nullopt;
    }
    return Valued("-incl", filter);
}

std::optional<ExportedSwitch> ExportExclude(const Settings& settings) {
    const std::string& filter = settings.CmdExtentions;
    if (filter.empty() || filter[0] != '!') {
        return std::nullopt;
    }
    return Valued("-excl", filter.substr(1));
}

void ApplyLongTerm(SwitchContext& context) {
    const std::int32_t minutes = LeadingInteger(context.takeValue());
    if (minutes > 0) {
        context.settings.LongTermMinutes = minutes;
        context.settings.LongTerm = 1;
    }
}

std::optional<ExportedSwitch> ExportLongTerm(const Settings& settings) {
    if (!IsOn(settings.LongTerm)) {
        return std::nullopt;
    }
    return Valued("-l", std::to_string(settings.LongTermMinutes));
}

struct PriorityWord {
    const char* word;
    std::int32_t priority;
};

// Normal is the default and has no word.
constexpr PriorityWord kPriorityWords[] = {
    {"low", kPriorityLow}, {"high", kPriorityHigh}, {"real", kPriorityRealtime}};

void ApplyPriority(SwitchContext& context) {
    const std::string value = LowerCaseLatin1(context.takeValue());
    for (const PriorityWord& entry : kPriorityWords) {
        if (value == entry.word) {
            context.settings.Priority = entry.priority;
        }
    }
}

std::optional<ExportedSwitch> ExportPriority(const Settings& settings) {
    for (const PriorityWord& entry : kPriorityWords) {
        if (settings.Priority == entry.priority) {
            return Valued("-prio", entry.word);
        }
    }
    return std::nullopt;
}

void ApplyUtc(SwitchContext& context) {
    context.settings.UTC_Time = TimeZoneStateCode();
}

std::optional<ExportedSwitch> ExportUtc(const Settings& settings) {
    return settings.UTC_Time != 0 ? Named("-utc") : std::nullopt;
}

void ApplyNoWindow(SwitchContext& context) {
    Settings& settings = context.settings;
    if (!settings.CmdSource.empty() && !settings.CmdTarget.empty()) {
        settings.WindowHidden = 1;
        settings.ExitAfterRun = 1;
    } else {
        context.dialogs.ShowMessage("Quell- oder Zielordner fehlt!", "Quorvex", MessageIcon::Error);
    }
}

std::vector<OptionRow> BuildTable() {
    constexpr OptionKind kText = OptionKind::Text;
    constexpr OptionKind kFolder = OptionKind::Folder;
    return {
        // Stored in the INI file, in its order.
        Flag("-nolog", "Logging", &Settings::Logging, 0),
        Flag("-securelog", "SecureLog", &Settings::SecureLog, 1),
        Flag(nullptr, "AutoExit", &Settings::AutoExit, 0),
        Flag("-history", "LogfileNo", &Settings::LogfileNo, 1),
        Text(kText, nullptr, "SaveDrives", &Settings::SaveDrives),
        Flag("-minimize", "AutoMinimize", &Settings::AutoMinimize, 1),
        Flag("-lock", "LockWorkStation", &Settings::LockWorkStation, 1),
        WithAlias(WithActions(Integer("-prio", "Priority", &Settings::Priority), ApplyPriority,
                              ExportPriority),
                  "-pri"),
        Flag(nullptr, "UpdateCheck", &Settings::UpdateCheck, 0),
        Flag("-down", "Shutdown", &Settings::Shutdown, 1),
        WithAlias(Flag("-tray", "Systray", &Settings::Systray, 1), "-systray"),
        Text(OptionKind::FolderOrEmpty, "-logdir", "LogfileDir", &Settings::LogfileDir),
        Integer(nullptr, "NTFS_TimeDifference", &Settings::NTFS_TimeDifference),
        WithActions(Integer("-utc", "UTC_Time", &Settings::UTC_Time), ApplyUtc, ExportUtc),
        Flag("-nospacecheck", "CheckTargetSpace", &Settings::CheckTargetSpace, 0),
        Flag("-nodatecheck", "FileCheck_Date", &Settings::FileCheck_Date, 0),
        Flag("-noattributecheck", "FileCheck_Attribute", &Settings::FileCheck_Attribute, 0),
        Flag("-noexistcheck", "Filecheck_Exist", &Settings::Filecheck_Exist, 0),

        // Switches of this run only.
        WithActions(Flag("-debug", nullptr, &Settings::DebugMode, 1), ApplyDebug, nullptr),
        Text(kFolder, "-s", nullptr, &Settings::CmdSource),
        Text(kFolder, "-d", nullptr, &Settings::CmdTarget),
        WithActions(Text(kText, "-incl", nullptr, &Settings::CmdExtentions), nullptr,
                    ExportInclude),
        WithActions(Text(kText, "-excl", nullptr, &Settings::CmdExtentions), ApplyExclude,
                    ExportExclude),
        WithAlias(Flag("-nosubs", nullptr, &Settings::DefaultSubDirs, 0), "-nosub"),
        Flag("-createdir", nullptr, &Settings::DefaultCreateTargetSubDirs, 1),
        WithActions(Integer("-l", nullptr, &Settings::LongTermMinutes), ApplyLongTerm,
                    ExportLongTerm),
        Flag("-md5", nullptr, &Settings::DefaultFileCheckSum, 3),
        Flag("-crc", nullptr, &Settings::DefaultFileCheckSum, 2),
        Flag("-qsm", nullptr, &Settings::DefaultFileCheckSum, 1),
        WithAlias(Flag("-nostats", nullptr, &Settings::ShowStatistics, 0), "-nostat"),
        WithActions(Flag("-nowin", nullptr, &Settings::WindowHidden, 1), ApplyNoWindow, nullptr),
        Flag("-del", nullptr, &Settings::DefaultDeleteFiles, 1),
        Flag("-start", nullptr, &Settings::AutoStart, 1),
        Flag("-exit", nullptr, &Settings::ExitAfterRun, 1),
    };
}

bool Names(const OptionRow& row, const std::string& name) {
    return (row.switchName != nullptr && name == row.switchName) ||
           (row.switchAlias != nullptr && name == row.switchAlias);
}

}  // namespace

const std::vector<OptionRow>& OptionTable() {
    static const std::vector<OptionRow> table = BuildTable();
    return table;
}

const OptionRow* FindSwitch(const std::string& name) {
    for (const OptionRow& row : OptionTable()) {
        if (Names(row, name)) {
            return &row;
        }
    }
    return nullptr;
}

std::string KeptText(OptionKind kind, const std::string& value) {
    if (kind == OptionKind::Folder || (kind == OptionKind::FolderOrEmpty && !value.empty())) {
        return WithTrailingSeparator(value);
    }
    return value;
}

}  // namespace quorvex
