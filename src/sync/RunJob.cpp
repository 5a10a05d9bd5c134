#include "sync/RunJob.h"

#include "config/ProductInfo.h"
#include "config/SyncJob.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "sync/ChangeDetection.h"
#include "sync/CopyPhase.h"
#include "sync/Fingerprints.h"
#include "sync/JobDisplay.h"
#include "sync/JobStatistics.h"
#include "sync/PauseAbort.h"
#include "sync/Scanner.h"
#include "sync/SurplusDeletion.h"

namespace quorvex {

namespace {

// A folder the job needs is gone: one log line, a message in window mode, no job.
bool FolderMissing(Program& program, const std::string& folder, bool present,
                   const std::string& reason, const std::string& logText,
                   const std::string& messageText) {
    if (present) {
        return false;
    }
    program.log.WriteLog(logText + folder);
    program.log.DebugReason(reason);
    if (WindowMode(program)) {
        program.dialogs->ShowMessage(messageText + folder, kProductTitle, MessageIcon::Error);
    }
    return true;
}

const char* FingerprintWord(std::uint8_t fileCheckSum) {
    switch (FingerprintMethodOf(fileCheckSum)) {
        case FingerprintMethod::Md5:
            return " +MD5";
        case FingerprintMethod::Crc32:
            return " +CRC32";
        case FingerprintMethod::Qsm:
            return " +QSM";
        case FingerprintMethod::None:
            break;
    }
    // Any other non-zero value is named QSM here, though the comparison skips it.
    return fileCheckSum == 0 ? "" : " +QSM";
}

std::string ModeLine(const SyncJob& job) {
    std::string line = "MODUS: ";
    if (job.SubDirs != 0) {
        line += " +SUBS";
    }
    if (job.CreateTargetSubDirs != 0) {
        line += " +CREATEDIR";
    }
    line += FingerprintWord(job.FileCheckSum);
    if (job.DeleteFiles != 0) {
        line += " +SYNC";
    }
    return line;
}

void WriteJobHeader(Program& program, const SyncJob& job) {
    RunLog& log = program.log;
    log.WriteLog("### JOB #" + std::to_string(program.engine.jobNumber));
    log.WriteLog("QUELLE: '" + job.Source + "'");
    log.WriteLog("ZIEL: '" + job.Target + "'");
    log.WriteLog("EXTENTIONS: " + job.Extentions);
    log.WriteLog(ModeLine(job));
}

// Returns the target root the job works in: the new date folder, or the root itself
// when the folder cannot be created.
std::string MakeDateFolder(Program& program, const std::string& targetRoot) {
    const std::string name =
        FormatDate(program.settings.DateFileMask, program.clock->DateNow()) + kPathSeparator;
    std::string reason;
    if (program.engine.target->MakeFolder(targetRoot + name, &reason)) {
        program.log.WriteLog("DATUMSORDNER AUF ZIEL ERSTELLT: " + name);
        return targetRoot + name;
    }
    program.log.WriteLog("!!! FEHLER BEI ORDNER-ERSTELUNG AUF ZIEL: " + name);
    program.log.DebugReason(reason);
    return targetRoot;
}

// Returns the moment the read ended.
Ticks ReadSource(Program& program, const SyncJob& job, const std::string& sourceRoot,
                 Ticks jobStart) {
    EngineState& engine = program.engine;
    RunLog& log = program.log;
    log.WriteLog("### LESE QUELL-ORDNER: '" + job.Source + "'");
    if (WindowMode(program)) {
        program.display->SetStatusText(0, "Lese Quelleordner...");
    }
    if (IsOn(program.settings.Systray)) {
        program.display->SetTrayTooltip("Lese Quelleordner...");
    }
    engine.scanList.clear();
    engine.counters = ScanCounters();
    const std::int32_t taken = ScanDirectory(program, sourceRoot, job.Extentions, job.SubDirs != 0,
                                             StatField::SourceFiles);
    log.WriteLog("Ordner: " + std::to_string(engine.counters.foldersSeen) +
                 ", Dateien: " + std::to_string(engine.counters.filesSeen));
    if (WindowMode(program)) {
        program.display->SetStatisticsField(StatField::SourceFiles,
                                            FormatThousands(static_cast<float>(taken)));
        program.display->RefreshStatisticsLabels();
    }
    const Ticks readEnd = program.clock->TicksNow();
    engine.stats.sourceFiles = taken;
    engine.stats.readTime = TicksSince(jobStart, readEnd);
    log.WriteLog("### EINLESEN DAUERTE: " + FormatDuration(engine.stats.readTime));
    log.WriteLog("");
    return readEnd;
}

bool RunPhases(Program& program, const SyncJob& job) {
    const Ticks jobStart = program.clock->TicksNow();
    EngineState& engine = program.engine;
    engine.stats = JobStats();
    engine.jobTitle = job.Title;
    std::string targetReason;
    std::string sourceReason;
    engine.target = program.files->OpenTarget(job.Target, &targetReason);
    if (FolderMissing(program, job.Target, engine.target != nullptr, targetReason,
                      "FEHLER: Ziel-Verzeichnis existiert nicht (mehr): ",
                      "Ziel Verzeichnis existiert nicht (mehr):\r\n\r\n") ||
        FolderMissing(program, job.Source, program.files->FolderExists(job.Source, &sourceReason),
                      sourceReason, "FEHLER: Quell-Verzeichnis existiert nicht (mehr): ",
                      "Quell Verzeichnis existiert nicht (mehr):\r\n\r\n")) {
        return false;
    }
    WriteJobHeader(program, job);
    const std::string sourceRoot = WithTrailingSeparator(job.Source);
    std::string targetRoot = WithTrailingSeparator(job.Target);
    if (IsOn(job.CreateTargetSubDirs)) {
        targetRoot = MakeDateFolder(program, targetRoot);
    }
    program.log.WriteLog("");
    // Left at zero when the source is gone already: then no deletion can match it.
    FolderIdentity scannedSource;
    program.files->IdentifyFolder(sourceRoot, scannedSource);
    const Ticks readEnd = ReadSource(program, job, sourceRoot, jobStart);
    DetectChanges(program, sourceRoot, targetRoot, FingerprintMethodOf(job.FileCheckSum), readEnd);
    if (IsOn(job.DeleteFiles) && !AbortRequested(program)) {
        DeleteSurplus(program, sourceRoot, scannedSource, targetRoot, job.SubDirs != 0);
    }
    RunCopyPhase(program, sourceRoot, targetRoot);
    engine.stats.writeRate = WriteRate(engine.stats.bytesCopied, engine.stats.copyTime);
    ShowJobEnd(program);
    engine.stats.jobTime = TicksSince(jobStart, program.clock->TicksNow());
    WriteStatisticsBlock(program);
    return true;
}

}  // namespace

bool RunJob(Program& program, const SyncJob& job) {
    const bool ran = RunPhases(program, job);
    program.engine.target.reset();
    return ran;
}

}  // namespace quorvex
