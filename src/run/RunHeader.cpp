#include "run/RunHeader.h"

#include "config/ProductInfo.h"
#include "platform/DirectoryListing.h"
#include "platform/SystemInfo.h"
#include "platform/TextFormat.h"
#include "program/Program.h"

namespace quorvex {

std::string RunLogPath(const Settings& settings, DateValue now, Ticks ticks) {
    if (settings.LogfileNo != 1) {
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
    line += settings.CommandLineGiven == 1 ? "BATCH" : "GUI";
    if (settings.WindowHidden == 1) {
        line += " +NOWIN";
    }
    if (settings.LockWorkStation == 1) {
        line += " +LOCK";
    }
    if (settings.LongTerm == 1) {
        line += " +LONGTERM";
    }
    if (settings.LogfileNo == 1) {
        line += " +HISTORY";
    }
    if (settings.SecureLog == 1) {
        line += " +SECURELOG";
    }
    if (settings.ShowStatistics == 0) {
        line += " +NOSTATS";
    }
    return line;
}

std::string CheckLine(const Settings& settings) {
    std::string line = "FILECHECK-METHOD: ";
    if (settings.FileCheck_Attribute == 1) {
        line += " +ATTRIBUTES";
    }
    if (settings.FileCheck_Date == 1) {
        line += " +DATE";
    }
    if (settings.Filecheck_Exist == 1) {
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
