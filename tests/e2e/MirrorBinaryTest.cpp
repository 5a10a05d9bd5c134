#include <gtest/gtest.h>
#include <sys/stat.h>

#include "e2e/SyncFixture.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::LogSection;
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
        WriteFile(dst + "old/" + name, name);
    }
    WriteFile(dst + "readonly.txt", "r");
    chmod((dst + "readonly.txt").c_str(), 0444);
    // Kinds swapped: a file where the source has a folder, and the other way round.
    test::ShellOutput("rmdir " + dst + "a.txt && echo x > " + dst + "a.txt");
    test::ShellOutput("rm " + dst + "b && mkdir -p " + dst + "b/c && echo y > " + dst + "b/c/d");

    const test::ProcessResult result = Sync({"-del"});

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    const Lines log = Log();
    EXPECT_EQ(log[15], "MODUS:  +SUBS +SYNC");
    EXPECT_EQ(
        LogSection(log, "### LESE ZIEL-ORDNER: '" + dst + "'", "### KOPIEREN:"),
        (Lines{"### LESE ZIEL-ORDNER: '" + dst + "'", "Ordner: 3, Dateien: 7",
               "### EINLESEN DAUERTE: <time>", "",
               "### LÖSCHEN:", "Datei gelöscht '" + dst + "a.txt'",
               "Ordner gelöscht: '" + dst + "b/'", "Ordner gelöscht: '" + dst + "old/'",
               "Datei gelöscht '" + dst + "readonly.txt'", "### LÖSCHEN (2) DAUERTE: <time>", ""}));
    const Lines statistics = LogSection(log, "### STATISTIK:", "");
    EXPECT_EQ(statistics[8], "Dateien gelöscht: 2");
    EXPECT_EQ(statistics[9], "Ordner gelöscht: 2");
}

TEST_F(MirrorBinaryTest, SourceThatCannotBeExaminedProtectsItsBackup) {
    QUORVEX_REQUIRE_ROOT("runs the program as nobody");
    test::MakeFolder(src + "sealed/deep");
    WriteFile(src + "sealed/deep/f.txt", "f");
    WriteFile(src + "sealed/top.txt", "t");
    ASSERT_EQ(Sync().exitStatus, 0);
    WriteFile(dst + "gone.txt", "surplus");
    // Root passes every permission check, so the run is made as "nobody", for whom the
    // source folder exists but cannot be looked into.
    chmod((src + "sealed").c_str(), 0700);
    test::ShellOutput("chmod 755 " + root.path() + " " + src + " && chmod -R 777 " + dst + " " +
                      logs);

    const test::ProcessResult result = test::RunProcess(
        {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", QUORVEX_BINARY, "-s", src,
         "-d", dst, "-logdir", logs, "-del", "-start", "-nowin"},
        test::InFolder(root.path()));

    // The unreadable folder is reported, so the run does not end as a clean one.
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(LogSection(Log(), "### LESE QUELL-ORDNER: '" + src + "'", "Ordner: 1, Dateien: 0"),
              (Lines{"### LESE QUELL-ORDNER: '" + src + "'",
                     "!!! FEHLER: Ordner nicht lesbar: '" + src + "sealed/' (Permission denied)"}));
    EXPECT_FALSE(test::PathExists(dst + "gone.txt"));
    EXPECT_EQ(ReadFile(dst + "sealed/deep/f.txt"), "f");
    EXPECT_EQ(ReadFile(dst + "sealed/top.txt"), "t");
    EXPECT_EQ(LogSection(Log(), "### LÖSCHEN:", "### KOPIEREN:"),
              (Lines{"### LÖSCHEN:", "Datei gelöscht '" + dst + "gone.txt'",
                     "### LÖSCHEN (1) DAUERTE: <time>", ""}));
}

TEST_F(MirrorBinaryTest, WithoutSubfoldersOnlyTheRootFilesAreJudged) {
    WriteFile(src + "a.txt", "a");
    test::MakeFolder(dst + "extra");
    WriteFile(dst + "extra/x", "x");
    WriteFile(dst + "surplus.txt", "s");

    ASSERT_EQ(Sync({"-del", "-nosubs"}).exitStatus, 0);

    EXPECT_FALSE(test::PathExists(dst + "surplus.txt"));
    EXPECT_EQ(ReadFile(dst + "extra/x"), "x");
    EXPECT_EQ(
        LogSection(Log(), "### LESE ZIEL-ORDNER: '" + dst + "'", "### EINLESEN DAUERTE: <time>")[1],
        "Ordner: 0, Dateien: 1");
}

}  // namespace
}  // namespace quorvex
