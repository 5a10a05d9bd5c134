#include <gtest/gtest.h>
#include <sys/stat.h>

#include "e2e/SyncFixture.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::LogSection;
using test::ReadFile;
using test::WriteFile;
using Lines = std::vector<std::string>;

constexpr long long kNoon = 1780000000;  // a fixed time in 2026

// What only POSIX systems have: the user "nobody", for whom permission bits apply that root
// passes, and a time zone chosen per process.
class PosixBinaryTest : public ::testing::Test, protected test::SyncFixture {};

TEST_F(PosixBinaryTest, UnreadableSourceFileIsACopyErrorWithItsReason) {
    QUORVEX_REQUIRE_ROOT("runs the program as nobody");
    WriteFile(src + "ok.txt", "fine");
    WriteFile(src + "secret.txt", "hidden");
    chmod((src + "secret.txt").c_str(), 0);
    for (const std::string& folder : {root.path(), src}) {
        chmod(folder.c_str(), 0755);
    }
    for (const std::string& folder : {dst, logs}) {
        chmod(folder.c_str(), 0777);
    }

    // Root reads everything, so the program runs as "nobody".
    const test::ProcessResult result = test::RunProcess(
        {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", QUORVEX_BINARY, "-s", src,
         "-d", dst, "-logdir", logs, "-start", "-nowin"},
        test::InFolder(root.path()));

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    const std::string secretPair = src + "secret.txt' -> '" + dst + "secret.txt'";
    EXPECT_EQ(
        LogSection(Log(), "### KOPIEREN:", "### STATISTIK:"),
        (Lines{"### KOPIEREN:", "Datei kopiert: '" + src + "ok.txt' -> '" + dst + "ok.txt'",
               "! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + secretPair,
               "!!! FEHLER BEIM KOPIEREN: '" + secretPair, "\t-3: Konnte Quelldatei nicht öffnen",
               "### KOPIEREN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(LogSection(Log(), "### STATISTIK:", "")[10], "Fehler beim Datei kopieren: 1");
    EXPECT_FALSE(test::PathExists(dst + "secret.txt"));
    EXPECT_EQ(test::ShellOutput("ls -A " + dst), "ok.txt\n");
}

TEST_F(PosixBinaryTest, SourceThatCannotBeExaminedProtectsItsBackup) {
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

TEST_F(PosixBinaryTest, UtcCorrectionShiftsWrittenTimesByTheZoneStateHours) {
    Put(src + "a.txt", "a", kNoon);
    test::ProcessOptions options;
    options.environment = {"TZ=Europe/Berlin"};

    ASSERT_EQ(Sync({"-utc"}, options).exitStatus, 0);

    const long long shift = test::ModificationTime(dst + "a.txt") - kNoon;
    EXPECT_TRUE(shift == 3600 || shift == 7200) << shift;
}

}  // namespace
}  // namespace quorvex
