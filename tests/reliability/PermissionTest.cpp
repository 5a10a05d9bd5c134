// Permissions bind only an ordinary user, so every run here is made as "nobody".

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "reliability/BinaryRuns.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::Lines;
using test::LogSection;
using test::ReadFile;

constexpr long long kOld = 1700000000;
constexpr long long kNew = 1780000000;

class PermissionTest : public ::testing::Test, protected test::BinaryRuns {
  protected:
    void SetUp() override { QUORVEX_REQUIRE_ROOT("runs the program as nobody"); }

    Lines Section(const std::string& from, const std::string& to) const {
        return LogSection(Log(), from, to);
    }
    std::string Statistic(std::size_t line) const { return Section("### STATISTIK:", "")[line]; }

    // Two read-only target files: "mine.txt" belongs to nobody, "roots.txt" to root, so
    // nobody cannot change its mode but may replace or delete it in its folder.
    void PutReadOnlyTargetPair(const std::string& content) {
        Put(dst + "mine.txt", content, kOld);
        Put(dst + "roots.txt", content, kOld);
        chmod((dst + "mine.txt").c_str(), 0444);
        HandTo(dst);
        chown((dst + "roots.txt").c_str(), 0, 0);
        chmod((dst + "roots.txt").c_str(), 0444);
    }
};

TEST_F(PermissionTest, ReadOnlyTargetFilesAreReplaced) {
    Put(src + "mine.txt", "new", kNew);
    Put(src + "roots.txt", "new", kNew);
    PutReadOnlyTargetPair("old");

    const test::ProcessResult result = MirrorAsNobody();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(ReadFile(dst + "mine.txt"), "new");
    EXPECT_EQ(ReadFile(dst + "roots.txt"), "new");
    EXPECT_EQ(test::Permissions(dst + "mine.txt"), 0644u);
    EXPECT_EQ(
        Section("### KOPIEREN:", "### STATISTIK:"),
        (Lines{"### KOPIEREN:", "Datei kopiert: '" + src + "mine.txt' -> '" + dst + "mine.txt'",
               "!!! FEHLER BEIM LÖSCHEN DES READONLY-ATTRIBUTES FÜR '" + dst + "roots.txt'",
               "Datei kopiert: '" + src + "roots.txt' -> '" + dst + "roots.txt'",
               "### KOPIEREN (2) DAUERTE: <time>", ""}));
}

// A folder that takes no new file still lets its own files be written over.
TEST_F(PermissionTest, TargetFolderThatTakesNoNewFileStillTakesChangedContent) {
    test::MakeFolder(src + "locked");
    Put(src + "locked/changed.txt", "new", kNew);
    Put(src + "locked/added.txt", "added", kNew);
    test::MakeFolder(dst + "locked");
    Put(dst + "locked/changed.txt", "old", kOld);
    HandTo(dst);
    chmod((dst + "locked").c_str(), 0555);

    const test::ProcessResult result = MirrorAsNobody();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(ReadFile(dst + "locked/changed.txt"), "new");
    EXPECT_EQ(test::ModificationTime(dst + "locked/changed.txt"), kNew);
    EXPECT_FALSE(test::PathExists(dst + "locked/added.txt"));
    const std::string added = src + "locked/added.txt' -> '" + dst + "locked/added.txt'";
    const std::string changed = src + "locked/changed.txt' -> '" + dst + "locked/changed.txt'";
    EXPECT_EQ(
        Section("### KOPIEREN:", "### STATISTIK:"),
        (Lines{"### KOPIEREN:", "! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + added,
               "!!! FEHLER BEIM KOPIEREN: '" + added, "\t-4: Konnte Zieldatei nicht erstellen",
               "Datei kopiert: '" + changed, "### KOPIEREN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(Statistic(10), "Fehler beim Datei kopieren: 1");
}

TEST_F(PermissionTest, ReadOnlySurplusFilesAreDeleted) {
    PutReadOnlyTargetPair("surplus");
    test::MakeFolder(src + "kept");

    const test::ProcessResult result = MirrorAsNobody();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::ReadTree(dst), (test::TreeContents{{"kept", "<folder>"}}));
    EXPECT_EQ(
        Section("### LÖSCHEN:", "### KOPIEREN:"),
        (Lines{"### LÖSCHEN:", "Datei gelöscht '" + dst + "mine.txt'",
               "!!! FEHLER BEIM LÖSCHEN DES READONLY-ATTRIBUTES FÜR '" + dst + "roots.txt'",
               "Datei gelöscht '" + dst + "roots.txt'", "### LÖSCHEN (2) DAUERTE: <time>", ""}));
}

// Files in a folder that takes no changes cannot be deleted: the folder counts one
// error without a line, each of its files then fails with its own line, and the rest of
// the target is still mirrored.
TEST_F(PermissionTest, SurplusFolderHoldingUndeletableFiles) {
    Put(src + "kept.txt", "kept", kOld);
    Put(dst + "kept.txt", "kept", kOld);
    test::MakeFolder(dst + "stuck");
    Put(dst + "stuck/a.txt", "a", kOld);
    Put(dst + "stuck/b.txt", "b", kOld);
    test::MakeFolder(dst + "free/inner");
    Put(dst + "free/inner/c.txt", "c", kOld);
    Put(dst + "z.txt", "z", kOld);
    HandTo(dst);
    chmod((dst + "stuck").c_str(), 0555);

    const test::ProcessResult result = MirrorAsNobody();

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::ReadTree(dst), (test::TreeContents{{"kept.txt", "kept"},
                                                       {"stuck", "<folder>"},
                                                       {"stuck/a.txt", "a"},
                                                       {"stuck/b.txt", "b"}}));
    EXPECT_EQ(Section("### LÖSCHEN:", "### KOPIEREN:"),
              (Lines{"### LÖSCHEN:", "Ordner gelöscht: '" + dst + "free/'",
                     "!!! FEHLER BEI DATEI LÖSCHEN '" + dst + "stuck/a.txt'",
                     "!!! FEHLER BEI DATEI LÖSCHEN '" + dst + "stuck/b.txt'",
                     "Datei gelöscht '" + dst + "z.txt'", "### LÖSCHEN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(Statistic(8), "Dateien gelöscht: 1");
    EXPECT_EQ(Statistic(9), "Ordner gelöscht: 1");
    EXPECT_EQ(Statistic(11), "Fehler beim Datei löschen: 2");
    EXPECT_EQ(Statistic(12), "Fehler beim Ordner löschen: 1");
}

}  // namespace
}  // namespace quorvex
