#include <gtest/gtest.h>

#include "ui/StatisticsRows.h"

namespace quorvex {
namespace {

RunTotals SampleTotals() {
    RunTotals totals;
    totals.sourceFiles = 1234567;
    totals.targetFiles = 999;
    totals.newFiles = 1000;
    totals.foldersCreated = 2;
    totals.changedFiles = 3;
    totals.filesCopied = 1003;
    totals.bytesCopied = 1048576;
    totals.foldersDeleted = 4;
    totals.filesDeleted = 5;
    totals.readTime = 250;
    totals.compareTime = 1000;
    totals.copyTime = 3723000;
    totals.deleteTime = 5;
    totals.writeRate = 1536;
    totals.copyErrors = 6;
    totals.deleteErrors = 7;
    totals.folderDeleteErrors = 8;
    totals.jobTime = 61500;
    return totals;
}

TEST(StatisticsRowsTest, TwentyFourRowsWithLabelsValuesAndEmptySpacers) {
    const std::vector<StatisticsRow> rows = BuildStatisticsRows(SampleTotals());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Quelldateien", "1.234.567"},
        {"Zieldateien", "999"},
        {"", ""},
        {"Neue Dateien", "1.000"},
        {"Neue Ordner", "2"},
        {"Geänderte Dateien", "3"},
        {"", ""},
        {"Dateien kopiert", "1.003"},
        {"Daten kopiert", "1.024 kB"},
        {"", ""},
        {"Ordner gelöscht", "4"},
        {"Dateien gelöscht", "5"},
        {"", ""},
        {"Lesen benötigte", "00:00:00.250"},
        {"Vergleichen benötigte", "00:00:01"},
        {"Kopieren benötigte", "01:02:03"},
        {"Löschen benötigte", "00:00:00.5"},
        {"kB/s geschrieben", "1.536"},
        {"", ""},
        {"Fehler beim Datei kopieren", "6"},
        {"Fehler beim Datei löschen", "7"},
        {"Fehler beim Ordner löschen", "8"},
        {"", ""},
        {"Komplette Synchronisation benötigte", "00:01:01"},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].label, expected[i].first) << "row " << i + 1;
        EXPECT_EQ(rows[i].value, expected[i].second) << "row " << i + 1;
    }
}

TEST(StatisticsRowsTest, FractionsOfAKilobyteAreRounded) {
    RunTotals totals;
    totals.bytesCopied = 1536 + 1024 * 1000;
    EXPECT_EQ(BuildStatisticsRows(totals)[8].value, "1.002 kB");
    totals.bytesCopied = 100;
    EXPECT_EQ(BuildStatisticsRows(totals)[8].value, "0 kB");
}

TEST(StatisticsRowsTest, ThePreviewHasItsOwnTitle) {
    EXPECT_EQ(StatisticsWindowTitle(false), "Quorvex - Statistik");
    EXPECT_EQ(StatisticsWindowTitle(true), "Quorvex - Vorschau-Statistik");
}

}  // namespace
}  // namespace quorvex
