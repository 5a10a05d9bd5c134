#include "ui/StatisticsRows.h"

#include "platform/TextFormat.h"

namespace quorvex {

namespace {

std::string Count(std::int32_t value) {
    return FormatThousands(static_cast<float>(value));
}

}  // namespace

std::vector<StatisticsRow> BuildStatisticsRows(const RunTotals& totals) {
    return {
        {"Quelldateien", Count(totals.sourceFiles)},
        {"Zieldateien", Count(totals.targetFiles)},
        {},
        {"Neue Dateien", Count(totals.newFiles)},
        {"Neue Ordner", Count(totals.foldersCreated)},
        {"Geänderte Dateien", Count(totals.changedFiles)},
        {},
        {"Dateien kopiert", Count(totals.filesCopied)},
        {"Daten kopiert", FormatThousands(totals.bytesCopied / 1024) + " kB"},
        {},
        {"Ordner gelöscht", Count(totals.foldersDeleted)},
        {"Dateien gelöscht", Count(totals.filesDeleted)},
        {},
        {"Lesen benötigte", FormatDuration(totals.readTime)},
        {"Vergleichen benötigte", FormatDuration(totals.compareTime)},
        {"Kopieren benötigte", FormatDuration(totals.copyTime)},
        {"Löschen benötigte", FormatDuration(totals.deleteTime)},
        {"kB/s geschrieben", FormatThousands(totals.writeRate)},
        {},
        {"Fehler beim Datei kopieren", Count(totals.copyErrors)},
        {"Fehler beim Datei löschen", Count(totals.deleteErrors)},
        {"Fehler beim Ordner löschen", Count(totals.folderDeleteErrors)},
        {},
        {"Komplette Synchronisation benötigte", FormatDuration(totals.jobTime)},
    };
}

std::string StatisticsWindowTitle(bool preview) {
    return preview ? "Quorvex - Vorschau-Statistik" : "Quorvex - Statistik";
}

}  // namespace quorvex
