#include "sync/JobStatistics.h"

#include "config/ProductInfo.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "sync/JobDisplay.h"

namespace quorvex {

float WriteRate(std::int64_t bytesCopied, std::int32_t copyTimeMs) {
    if (bytesCopied == 0 || copyTimeMs <= 0) {
        return 0;
    }
    const float rate = static_cast<float>(bytesCopied) / (static_cast<float>(copyTimeMs) / 1000.0f);
    return rate < 0 || rate > 2000000.0f ? 0 : rate;
}

void WriteFigureLines(RunLog& log, const JobStats& stats) {
    log.WriteLog("Quelldateien: " + FormatThousands(stats.sourceFiles));
    log.WriteLog("Zieldateien: " + FormatThousands(stats.targetFiles));
    log.WriteLog("Neue Dateien: " + FormatThousands(stats.newFiles));
    log.WriteLog("Neue Ordner: " + FormatThousands(stats.foldersCreated));
    log.WriteLog("Geänderte Dateien: " + FormatThousands(stats.changedFiles));
    log.WriteLog("Dateien kopiert: " + FormatThousands(stats.filesCopied));
    log.WriteLog("Bytes kopiert: " + FormatThousands(stats.bytesCopied));
    log.WriteLog("Dateien gelöscht: " + FormatThousands(stats.filesDeleted));
    log.WriteLog("Ordner gelöscht: " + FormatThousands(stats.foldersDeleted));
    log.WriteLog("Fehler beim Datei kopieren: " + FormatThousands(stats.copyErrors));
    log.WriteLog("Fehler beim Datei löschen: " + FormatThousands(stats.deleteErrors));
    log.WriteLog("Fehler beim Ordner löschen: " + FormatThousands(stats.folderDeleteErrors));
    log.WriteLog("Lesen benötigte: " + FormatDuration(stats.readTime));
    log.WriteLog("Vergleichen benötigte: " + FormatDuration(stats.compareTime));
    log.WriteLog("Kopieren benötigte: " + FormatDuration(stats.copyTime));
    log.WriteLog("Löschen benötigte: " + FormatDuration(stats.deleteTime));
}

bool NothingChanged(const JobStats& stats) {
    return stats.changedFiles == 0 && stats.foldersDeleted == 0 && stats.filesDeleted == 0 &&
           stats.newFiles == 0 && stats.filesCopied == 0 && stats.bytesCopied == 0;
}

void WriteStatisticsBlock(Program& program) {
    const JobStats& stats = program.engine.stats;
    RunLog& log = program.log;
    log.WriteLog("### STATISTIK:");
    WriteFigureLines(log, stats);
    log.WriteLog("kB/s geschrieben: " + FormatThousands(stats.writeRate));
    log.WriteLog("Komplette Synchronisation benötigte: " + FormatDuration(stats.jobTime));
    if (NothingChanged(stats)) {
        log.WriteLog("- Die beiden Verzeichnisse waren gleich!");
        AddChangeRow(program, "|IDENTISCH|Die Verzeichnisse/Laufwerke sind identisch");
    }
    log.WriteLog("");
}

void ShowJobEnd(Program& program) {
    if (!WindowMode(program)) {
        return;
    }
    SyncDisplay& display = *program.display;
    display.SetFileStatus("");
    display.SetStatusText(0, "Job beendet.");
    display.SetStatusText(1, MakerLine(program.clock->DateNow()));
    for (int index = 0; index < kAddressFieldCount; ++index) {
        display.SetStatusText(kFirstAddressField + index, StatusBarAddress(index));
    }
    FlushEvents(program);
}

}  // namespace quorvex
