#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "ui/JobDetails.h"

namespace quorvex {
namespace {

const std::string kMask = "%dd.%mm.%yyyy %hh:%ii:%ss";

SyncJob SampleJob() {
    SyncJob job;
    job.Source = "/home/anna/Dokumente/";
    job.Target = "/media/backup/";
    job.LastRun = MakeDateValue({2024, 2, 29, 7, 5, 9});
    job.Extentions = "!.tmp,.bak";
    job.SubDirs = 1;
    job.CreateTargetSubDirs = 0;
    job.DeleteFiles = 1;
    job.FileCheckSum = 2;
    return job;
}

TEST(JobDetailsTest, ListsEveryOptionOnItsOwnLine) {
    EXPECT_EQ(JobDetailsText(SampleJob(), kMask),
              "Quelle:\t/home/anna/Dokumente/\r\n"
              "Ziel:\t/media/backup/\r\n"
              "Zuletzt ausgeführt:\t\t29.02.2024 07:05:09\r\n"
              "Dateiendungen beachten:\t!.tmp,.bak\r\n"
              "Unterordner einbeziehen:\tJa\r\n"
              "Extra Job-Ordner anlegen:\tNein\r\n"
              "Überflüssige Dateien löschen: \tJa\r\n"
              "Dateiinhalt vergleichen: \t\tJa\r\n");
}

TEST(JobDetailsTest, NeverRunAllFilesAndNoFingerprintHaveTheirOwnWords) {
    SyncJob job = SampleJob();
    job.LastRun = 0;
    job.Extentions.clear();
    job.FileCheckSum = 0;
    const std::string text = JobDetailsText(job, kMask);
    EXPECT_NE(text.find("Zuletzt ausgeführt:\t\t(Nie)\r\n"), std::string::npos);
    EXPECT_NE(text.find("Dateiendungen beachten:\t(Alle)\r\n"), std::string::npos);
    EXPECT_NE(text.find("Dateiinhalt vergleichen: \t\tNein\r\n"), std::string::npos);
    job.LastRun = -5;
    EXPECT_NE(JobDetailsText(job, kMask).find("(Nie)"), std::string::npos);
}

TEST(JobDetailsTest, LongPathsAreShortenedAndMissingOnesShownAsRead) {
    SyncJob job = SampleJob();
    job.Source = "/srv/archiv/abteilungen/einkauf/lieferanten/2023/rechnungen/quartal4/";
    job.Target = "(LEER)";
    const std::string text = JobDetailsText(job, kMask);
    const std::string firstLine = text.substr(0, text.find("\r\n"));
    EXPECT_EQ(firstLine.rfind("Quelle:\t/", 0), 0u);
    EXPECT_LE(firstLine.size() - 8, 60u);
    EXPECT_NE(firstLine.find("..."), std::string::npos);
    EXPECT_NE(text.find("Ziel:\t(LEER)\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
