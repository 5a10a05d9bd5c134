#include "ui/StatisticsRows.h"

#include "platform/TextFormat.h"

namespace quorvex {

std::vector<StatisticsRow> BuildStatisticsRows(const RunTotals& totals) {
    return {
        {"Quelldateien", FormatThousands(totals.sourceFiles)},
        {"Zieldateien", FormatThousands(totals.targetFiles)},
        {},
        {"Neue Dateien", FormatThousands(totals.newFiles)},
        {"Neue Ordner", FormatThousands(totals.foldersCreated)},
        {"Geänderte Dateien", FormatThousands(totals.changedFiles)},
        {},
        {"Dateien kopiert", FormatThousands(totals.filesCopied)},
        {"Daten kopiert", FormatThousands(RoundedQuotient(totals.bytesCopied, 1024)) + " kB"},
        {},
        {"Ordner gelöscht", FormatThousands(totals.foldersDeleted)},
        {"Dateien gelöscht", FormatThousands(totals.filesDeleted)},
        {},
        {"Lesen benötigte", FormatDuration(totals.readTime)},
        {"Vergleichen benötigte", FormatDuration(totals.compareTime)},
        {"Kopieren benötigte", FormatDuration(totals.copyTime)},
        {"Löschen benötigte", FormatDuration(totals.deleteTime)},
        {"kB/s geschrieben", FormatThousands(totals.writeRate)},
        {},
        {"Fehler beim Datei kopieren", FormatThousands(totals.copyErrors)},
        {"Fehler beim Datei löschen", FormatThousands(totals.deleteErrors)},
        {"Fehler beim Ordner löschen", FormatThousands(totals.folderDeleteErrors)},
        {},
        {"Komplette Synchronisation benötigte", FormatDuration(totals.jobTime)},
    };
}

std::string StatisticsWindowTitle(bool preview) {
    return preview ? "Quorvex - Vorschau-Statistik" : "Quorvex - Statistik";
}

}  // namespace quorvex
