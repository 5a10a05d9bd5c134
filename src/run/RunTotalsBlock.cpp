#include "run/RunTotalsBlock.h"

#include <cmath>

#include "platform/TextFormat.h"
#include "program/RunLog.h"
#include "sync/JobStatistics.h"

namespace quorvex {

void AddToTotals(RunTotals& totals, const JobStats& job) {
    totals.sourceFiles += job.sourceFiles;
    totals.targetFiles += job.targetFiles;
    totals.newFiles += job.newFiles;
    totals.changedFiles += job.changedFiles;
    totals.foldersCreated += job.foldersCreated;
    totals.filesCopied += job.filesCopied;
    totals.bytesCopied += job.bytesCopied;
    totals.filesDeleted += job.filesDeleted;
    totals.foldersDeleted += job.foldersDeleted;
    totals.copyErrors += job.copyErrors;
    totals.deleteErrors += job.deleteErrors;
    totals.folderDeleteErrors += job.folderDeleteErrors;
    totals.readTime += job.readTime;
    totals.compareTime += job.compareTime;
    totals.deleteTime += job.deleteTime;
    totals.copyTime += job.copyTime;
    totals.jobTime += job.jobTime;
    totals.writeRate = std::round(totals.writeRate + job.writeRate);
}

void WriteTotalsBlock(RunLog& log, const RunTotals& totals) {
    log.WriteLog("##### GESAMTSTATISTIK:");
    WriteFigureLines(log, totals);
    log.WriteLog("Bytes/s geschrieben: " + FormatThousands(totals.writeRate));
    log.WriteLog("Komplette Synchronisation benötigte: " + FormatDuration(totals.jobTime));
}

}  // namespace quorvex
