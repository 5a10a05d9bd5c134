#include "ui/JobDetails.h"

#include "platform/TextFormat.h"

namespace quorvex {

namespace {

const char* YesOrNo(bool value) {
    return value ? "Ja" : "Nein";
}

}  // namespace

std::string JobDetailsText(const SyncJob& job, const std::string& dateDisplayMask) {
    const std::string lastRun =
        job.LastRun > 0 ? FormatDate(dateDisplayMask, job.LastRun) : "(Nie)";
    const std::string extensions = job.Extentions.empty() ? "(Alle)" : job.Extentions;
    std::string text;
    text += "Quelle:\t" + ShortenPath(job.Source, 60) + "\r\n";
    text += "Ziel:\t" + ShortenPath(job.Target, 60) + "\r\n";
    text += "Zuletzt ausgeführt:\t\t" + lastRun + "\r\n";
    text += "Dateiendungen beachten:\t" + extensions + "\r\n";
    text += std::string("Unterordner einbeziehen:\t") + YesOrNo(job.SubDirs != 0) + "\r\n";
    text +=
        std::string("Extra Job-Ordner anlegen:\t") + YesOrNo(job.CreateTargetSubDirs != 0) + "\r\n";
    text +=
        std::string("Überflüssige Dateien löschen: \t") + YesOrNo(job.DeleteFiles != 0) + "\r\n";
    text += std::string("Dateiinhalt vergleichen: \t\t") + YesOrNo(job.FileCheckSum != 0) + "\r\n";
    return text;
}

}  // namespace quorvex
