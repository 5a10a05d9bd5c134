#include <gtest/gtest.h>
#include "e2e/SyncFixture.h"

namespace quorvex {
namespace {

using test::LogSection;
using test::Native;
using test::ReadFile;
using test::RsyncDifferences;
using test::WriteFile;
using Lines = std::vector<std::string>;

class MirrorBinaryTest : public ::testing::Test, protected test::SyncFixture {};

TEST_F(MirrorBinaryTest, MirrorRunLeavesAnExactCopyOfTheSource) {
    WriteFile(src + "keep.txt", "k");
    test::MakeFolder(src + "a.txt");
    WriteFile(src + "b", "now a file");
    ASSERT_EQ(Sync().exitStatus, 0);
    test::MakeFolder(dst + "old");
    for (const char* name : {"1", "2", "3"}) {
        WriteFile(dst + Native("old/") + name, name);
    }
    WriteFile(dst + "readonly.txt", "r");
    test::MakeReadOnly(dst + "readonly.txt");
    // Kinds swapped: a file where the source has a folder, and the other way round.
    test::RemovePath(dst + "a.txt");
    WriteFile(dst + "a.txt", "x\n");
    test::RemovePath(dst + "b");
    test::MakeFolder(dst + Native("b/c"));
    WriteFile(dst + Native("b/c/d"), "y\n");

    const test::ProcessResult result = Sync({"-del"});

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    const Lines log = Log();
    EXPECT_EQ(log[15], "MODUS:  +SUBS +SYNC");
    EXPECT_EQ(
        LogSection(log, "### LESE ZIEL-ORDNER: '" + dst + "'", "### KOPIEREN:"),
        (Lines{"### LESE ZIEL-ORDNER: '" + dst + "'", "Ordner: 3, Dateien: 7",
               "### EINLESEN DAUERTE: <time>", "", "### LÖSCHEN:",
               "Datei gelöscht '" + dst + "a.txt'", "Ordner gelöscht: '" + dst + Native("b/'"),
               "Ordner gelöscht: '" + dst + Native("old/'"),
               "Datei gelöscht '" + dst + "readonly.txt'", "### LÖSCHEN (2) DAUERTE: <time>", ""}));
    const Lines statistics = LogSection(log, "### STATISTIK:", "");
    EXPECT_EQ(statistics[8], "Dateien gelöscht: 2");
    EXPECT_EQ(statistics[9], "Ordner gelöscht: 2");
}

TEST_F(MirrorBinaryTest, WithoutSubfoldersOnlyTheRootFilesAreJudged) {
    WriteFile(src + "a.txt", "a");
    test::MakeFolder(dst + "extra");
    WriteFile(dst + Native("extra/x"), "x");
    WriteFile(dst + "surplus.txt", "s");

    ASSERT_EQ(Sync({"-del", "-nosubs"}).exitStatus, 0);

    EXPECT_FALSE(test::PathExists(dst + "surplus.txt"));
    EXPECT_EQ(ReadFile(dst + Native("extra/x")), "x");
    EXPECT_EQ(
        LogSection(Log(), "### LESE ZIEL-ORDNER: '" + dst + "'", "### EINLESEN DAUERTE: <time>")[1],
        "Ordner: 0, Dateien: 1");
}

}  // namespace
}  // namespace quorvex
