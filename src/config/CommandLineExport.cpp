#include "config/CommandLineExport.h"

namespace quorvex {

namespace {

// The order of a batch line; the last three go to its last line only.
constexpr const char* kExportOrder[] = {
    "-s",
    "-d",
    "-start",
    "-nowin",
    "-nostats",
    "-excl",
    "-incl",
    "-exit",
    "-nosubs",
    "-createdir",
    "-l",
    "-del",
    "-qsm",
    "-crc",
    "-md5",
    "-nolog",
    "-securelog",
    "-history",
    "-utc",
    "-nospacecheck",
    "-noattributecheck",
    "-nodatecheck",
    "-noexistcheck",
    "-tray",
    "-prio",
    "-minimize",
    "-lock",
    "-down",
    "-logdir",
};

// A flag is named when it holds the value its switch sets; a job folder when it is given; the
// log folder always, as its default depends on where the program lives.
std::optional<ExportedSwitch> ExportByKind(const OptionRow& row, const Settings& settings) {
    if (row.kind == OptionKind::Flag) {
        if (settings.*row.flag != row.switchValue) {
            return std::nullopt;
        }
        return ExportedSwitch{row.switchName, std::nullopt};
    }
    const std::string& folder = settings.*row.text;
    if (row.kind == OptionKind::Folder && folder.empty()) {
        return std::nullopt;
    }
    return ExportedSwitch{row.switchName, folder, true};
}

}  // namespace

std::vector<ExportedSwitch> ExportCommandLine(const Settings& settings) {
    std::vector<ExportedSwitch> line;
    for (const char* name : kExportOrder) {
        const OptionRow& row = *FindSwitch(name);
        std::optional<ExportedSwitch> exported =
            row.exportAs != nullptr ? row.exportAs(settings) : ExportByKind(row, settings);
        if (exported) {
            line.push_back(std::move(*exported));
        }
    }
    return line;
}

}  // namespace quorvex
