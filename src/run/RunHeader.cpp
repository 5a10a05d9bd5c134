#include "run/RunHeader.h"

#include "config/ProductInfo.h"
#include "platform/DirectoryListing.h"
#include "platform/SystemInfo.h"
#include "platform/TextFormat.h"
#include "program/Program.h"

namespace quorvex {

std::string RunLogPath(const Settings& settings, DateValue now, Ticks ticks) {
    if (!IsOn(settings.LogfileNo)) {
        return settings.LogfileDir + "Quorvex.log";
    }
    const std::string stem =
        settings.LogfileDir + "Quorvex" + FormatDate("_%yyyy%mm%dd_%hh%ii%ss", now);
    DirEntry existing;
    if (LookupPath(stem + ".log", existing) == LookupResult::Missing) {
        return stem + ".log";
    }
    return stem + "_" + std::to_string(ticks) + ".log";
}

namespace {

std::string RunModeLine(const Settings& settings) {
    std::string line = "MODUS: ";
    line += IsOn(settings.CommandLineGiven) ? "BATCH" : "GUI";
    if (IsOn(settings.WindowHidden)) {
        line += " +NOWIN";
    }
    if (IsOn(settings.LockWorkStation)) {
        line += " +LOCK";
    }
    if (IsOn(settings.LongTerm)) {
        line += " +LONGTERM";
    }
    if (IsOn(settings.LogfileNo)) {
        line += " +HISTORY";
    }
    if (IsOn(settings.SecureLog)) {
        line += " +SECURELOG";
    }
    if (settings.ShowStatistics == 0) {
        line += " +NOSTATS";
    }
    return line;
}

std::string CheckLine(const Settings& settings) {
    std::string line = "FILECHECK-METHOD: ";
    if (IsOn(settings.FileCheck_Attribute)) {
        line += " +ATTRIBUTES";
    }
    if (IsOn(settings.FileCheck_Date)) {
        line += " +DATE";
    }
    if (IsOn(settings.Filecheck_Exist)) {
        line += " +FILE_EXISTS";
    }
    return line;
}

}  // namespace

void WriteRunHeader(Program& program, DateValue now) {
    RunLog& log = program.log;
    const std::string rule(42, '#');
    log.WriteLog(rule);
    log.WriteLog(std::string(kProductTitle) + ", " + MakerLine(now));
    log.WriteLog(std::string("Web: ") + kWebAddress);
    log.WriteLog(std::string("Kontakt: ") + kEmailAddress);
    log.WriteLog(rule);
    log.WriteLog("");
    log.WriteLog("OS: " + OperatingSystemName());
    log.WriteLog("DATUM: " + FormatDate(program.settings.DateDisplayMask, now));
    log.WriteLog(RunModeLine(program.settings));
    log.WriteLog(CheckLine(program.settings));
    log.WriteLog("");
}

}  // namespace quorvex
