#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "e2e/SyncFixture.h"
#include "platform/DateTime.h"
#include "platform/RealFileSystem.h"
#include "platform/TextFormat.h"
#include "support/PlatformFacts.h"

namespace quorvex {
namespace {

using test::LogSection;
using test::Native;
using test::ReadFile;
using test::RsyncDifferences;
using test::WriteFile;
using Lines = std::vector<std::string>;

constexpr long long kNoon = 1780000000;  // a fixed time in 2026

class SyncBinaryTest : public ::testing::Test, protected test::SyncFixture {};

TEST_F(SyncBinaryTest, FirstSyncCopiesTheTreeAndLogsTheWholeOutline) {
    WriteFile(src + "a.txt", "hello");
    test::MakeFolder(src + "empty");
    test::MakeFolder(src + "sub");
    WriteFile(src + Native("sub/b.dat"), "12345678");

    const test::ProcessResult result = Sync();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(RsyncDifferences(src, dst), "");
    const Lines expected = {
        "##########################################",
        "Quorvex v2.5, (c) Quorvex-Team <year>",
        "Web: https://www.quorvex.invalid",
        "Kontakt: info@quorvex.invalid",
        "##########################################",
        "",
        "OS: <system>",
        "DATUM: <date>",
        "MODUS: BATCH +NOWIN",
        "FILECHECK-METHOD:  +ATTRIBUTES +DATE +FILE_EXISTS",
        "",
        "### JOB #1",
        "QUELLE: '" + src + "'",
        "ZIEL: '" + dst + "'",
        "EXTENTIONS: ",
        "MODUS:  +SUBS",
        "",
        "### LESE QUELL-ORDNER: '" + src + "'",
        "Ordner: 2, Dateien: 2",
        "### EINLESEN DAUERTE: <time>",
        "",
        "### ÄNDERUNGEN:",
        "Neue Datei: '" + src + "a.txt'",
        "Neuer Ordner: '" + src + Native("empty/'"),
        "Neuer Ordner: '" + src + Native("sub/'"),
        "Neue Datei: '" + src + Native("sub/b.dat'"),
        "### ÄNDERUNGEN (2) FESTSTELLEN DAUERTE: <time>",
        "",
        "### KOPIEREN:",
        "Datei kopiert: '" + src + "a.txt' -> '" + dst + "a.txt'",
        "Ordner angelegt: '" + dst + "empty'",
        "Ordner angelegt: '" + dst + "sub'",
        "Datei kopiert: '" + src + Native("sub/b.dat' -> '") + dst + Native("sub/b.dat'"),
        "### KOPIEREN (2) DAUERTE: <time>",
        "",
        "### STATISTIK:",
        "Quelldateien: 2",
        "Zieldateien: 0",
        "Neue Dateien: 2",
        "Neue Ordner: 2",
        "Geänderte Dateien: 0",
        "Dateien kopiert: 2",
        "Bytes kopiert: 13",
        "Dateien gelöscht: 0",
        "Ordner gelöscht: 0",
        "Fehler beim Datei kopieren: 0",
        "Fehler beim Datei löschen: 0",
        "Fehler beim Ordner löschen: 0",
        "Lesen benötigte: <time>",
        "Vergleichen benötigte: <time>",
        "Kopieren benötigte: <time>",
        "Löschen benötigte: <time>",
        "kB/s geschrieben: <rate>",
        "Komplette Synchronisation benötigte: <time>",
        "",
    };
    Lines log = Log();
    log[1] = std::regex_replace(log[1], std::regex("\\d{4}$"), "<year>");
    EXPECT_EQ(log, expected);
}

TEST_F(SyncBinaryTest, UnchangedSecondRunFindsTheDirectoriesEqual) {
    WriteFile(src + "a.txt", "hello");
    test::MakeFolder(src + "sub");
    WriteFile(src + Native("sub/b.dat"), "x");
    ASSERT_EQ(Sync().exitStatus, 0);

    const test::ProcessResult second = Sync();

    EXPECT_EQ(second.exitStatus, 0);
    const Lines log = Log();
    EXPECT_EQ(LogSection(log, "### ÄNDERUNGEN:", "### STATISTIK:"),
              (Lines{"### ÄNDERUNGEN:", "### ÄNDERUNGEN (0) FESTSTELLEN DAUERTE: <time>", "",
                     "### KOPIEREN:", "### KOPIEREN (0) DAUERTE: <time>", ""}));
    const Lines statistics = LogSection(log, "### STATISTIK:", "");
    ASSERT_EQ(statistics.size(), 21u);
    EXPECT_EQ(statistics[2], "Zieldateien: 2");
    EXPECT_EQ(statistics[19], "- Die beiden Verzeichnisse waren gleich!");
    EXPECT_EQ(RsyncDifferences(src, dst), "");
}

TEST_F(SyncBinaryTest, EachKindOfChangeIsFoundByItsTestAndCopied) {
    Put(src + "date.txt", "same", kNoon);
    Put(dst + "date.txt", "same", kNoon - 3600);
    Put(src + "equal.txt", "same", kNoon);
    Put(dst + "equal.txt", "same", kNoon);
    Put(src + "new.txt", "new", kNoon);
    Put(src + "perm.txt", "same", kNoon);
    Put(dst + "perm.txt", "same", kNoon);
    const std::int32_t otherAttributes = test::GiveOtherAttributes(dst + "perm.txt");
    Put(src + "size.txt", "longer", kNoon);
    Put(dst + "size.txt", "short", kNoon);
    // Within the tolerance of 2 s the times say nothing; the size test still runs.
    Put(src + "tolerated.txt", "longer", kNoon);
    Put(dst + "tolerated.txt", "short", kNoon - 2);

    const test::ProcessResult result = Sync({"-debug"});

    EXPECT_EQ(result.exitStatus, 0);
    const Lines log = Log();
    const Lines changes = LogSection(log, "### ÄNDERUNGEN:", "### KOPIEREN:");
    const std::string attributesDebug =
        "- " + std::to_string(test::NewFileAttributes()) + " -> " + std::to_string(otherAttributes);
    EXPECT_EQ(changes, (Lines{"### ÄNDERUNGEN:", "Datum geändert: '" + src + "date.txt'",
                              "- 3600 -> " + std::to_string(FileTimeToDateValue(kNoon - 3600)),
                              "Neue Datei: '" + src + "new.txt'",
                              "Attribute geändert: '" + src + "perm.txt'", attributesDebug,
                              "Dateigröße geändert: '" + src + "size.txt'", "- 6 -> 5",
                              "Dateigröße geändert: '" + src + "tolerated.txt'", "- 6 -> 5",
                              "### ÄNDERUNGEN (5) FESTSTELLEN DAUERTE: <time>", ""}));
    EXPECT_EQ(ReadFile(dst + "size.txt"), "longer");
    DirEntry copied;
    ASSERT_EQ(RealFileSystem().Lookup(dst + "perm.txt", copied), LookupResult::Found);
    EXPECT_EQ(copied.attributes, test::NewFileAttributes());
    EXPECT_EQ(test::ModificationTime(dst + "date.txt"), kNoon);
    EXPECT_EQ(RsyncDifferences(src, dst), "");
}

struct FingerprintCase {
    const char* option;
    const char* modeWord;
    const char* label;
};

class FingerprintBinaryTest : public ::testing::TestWithParam<FingerprintCase>,
                              protected test::SyncFixture {};

TEST_P(FingerprintBinaryTest, SameTimeSizeAndModeButOtherContentIsFound) {
    const FingerprintCase method = GetParam();
    std::string content(4096, 'a');
    Put(src + "first.bin", "B" + content.substr(1), kNoon);
    Put(dst + "first.bin", content, kNoon);
    // A change in the second half: only the whole-content methods see it.
    Put(src + "second.bin", content.substr(0, 3000) + "B" + content.substr(3001), kNoon);
    Put(dst + "second.bin", content, kNoon);

    ASSERT_EQ(Sync({method.option}).exitStatus, 0);

    const Lines log = Log();
    EXPECT_EQ(log[15], std::string("MODUS:  +SUBS ") + method.modeWord);
    Lines expected{"### ÄNDERUNGEN:", std::string(method.label) + src + "first.bin'"};
    if (std::string(method.option) != "-qsm") {
        expected.push_back(std::string(method.label) + src + "second.bin'");
    }
    expected.push_back("### ÄNDERUNGEN (" + std::to_string(expected.size() - 1) +
                       ") FESTSTELLEN DAUERTE: <time>");
    expected.push_back("");
    EXPECT_EQ(LogSection(log, "### ÄNDERUNGEN:", "### KOPIEREN:"), expected);
    EXPECT_EQ(ReadFile(dst + "first.bin"), ReadFile(src + "first.bin"));
}

INSTANTIATE_TEST_SUITE_P(
    Methods, FingerprintBinaryTest,
    ::testing::Values(FingerprintCase{"-qsm", "+QSM", "QSM-Fingerprint geändert: '"},
                      FingerprintCase{"-crc", "+CRC32", "CRC32-Fingerprint geändert: '"},
                      FingerprintCase{"-md5", "+MD5", "MD5-Fingerprint geändert: '"}),
    [](const ::testing::TestParamInfo<FingerprintCase>& info) {
        return std::string(info.param.option + 1);
    });

TEST_F(SyncBinaryTest, IncludeFilterTakesMatchingFilesButEveryFolder) {
    WriteFile(src + "photo.JPG", "j");
    WriteFile(src + "notes.txt", "t");
    test::MakeFolder(src + "docs");
    WriteFile(src + Native("docs/readme"), "r");

    ASSERT_EQ(Sync({"-incl", ".jpg,.gif"}).exitStatus, 0);

    const Lines log = Log();
    EXPECT_EQ(log[14], "EXTENTIONS: .jpg,.gif");
    EXPECT_EQ(LogSection(log, "### LESE QUELL-ORDNER: '" + src + "'", "### ÄNDERUNGEN:")[1],
              "Ordner: 1, Dateien: 3");
    EXPECT_TRUE(test::PathExists(dst + "photo.JPG"));
    EXPECT_TRUE(test::PathExists(dst + "docs"));
    EXPECT_FALSE(test::PathExists(dst + "notes.txt"));
    EXPECT_FALSE(test::PathExists(dst + Native("docs/readme")));
}

TEST_F(SyncBinaryTest, ExcludeFilterAndNoSubfoldersLeaveTheRestAlone) {
    WriteFile(src + "keep.txt", "k");
    WriteFile(src + "skip.TMP", "s");
    test::MakeFolder(src + "sub");
    WriteFile(src + Native("sub/inner.txt"), "i");

    ASSERT_EQ(Sync({"-excl", ".tmp", "-nosubs"}).exitStatus, 0);

    const Lines log = Log();
    EXPECT_EQ(log[14], "EXTENTIONS: !.tmp");
    EXPECT_EQ(log[15], "MODUS: ");
    EXPECT_EQ(log[18], "Ordner: 0, Dateien: 2");
    EXPECT_TRUE(test::PathExists(dst + "keep.txt"));
    EXPECT_FALSE(test::PathExists(dst + "skip.TMP"));
    EXPECT_FALSE(test::PathExists(dst + "sub"));
}

TEST_F(SyncBinaryTest, DateFolderReceivesTheWholeSource) {
    WriteFile(src + "a.txt", "a");
    WriteFile(dst + "old.txt", "o");

    ASSERT_EQ(Sync({"-createdir"}).exitStatus, 0);

    const Lines log = Log();
    EXPECT_EQ(log[15], "MODUS:  +SUBS +CREATEDIR");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(
        log[16], match, std::regex("DATUMSORDNER AUF ZIEL ERSTELLT: (\\d{8}_\\d{6}[/\\\\])")))
        << log[16];
    const std::string folder = dst + match[1].str();
    EXPECT_EQ(RsyncDifferences(src, folder), "");
    EXPECT_EQ(LogSection(log, "### ÄNDERUNGEN:", "")[1], "Neue Datei: '" + src + "a.txt'");
}

TEST_F(SyncBinaryTest, MissingTargetStopsTheJobWithOneLine) {
    WriteFile(src + "a.txt", "a");
    test::TempDir elsewhere;
    const std::string missing = elsewhere / Native("gone/");

    const test::ProcessResult result =
        test::RunQuorvexBinary({"-s", src, "-d", missing, "-logdir", logs, "-start", "-nowin"},
                               test::InFolder(root.path()));

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "");
    const Lines log = Log();
    ASSERT_EQ(log.size(), 12u);
    EXPECT_EQ(log[11], "FEHLER: Ziel-Verzeichnis existiert nicht (mehr): " + missing);
    EXPECT_FALSE(test::PathExists(missing));
}

TEST_F(SyncBinaryTest, MissingSourceStopsAMirrorJobBeforeItDeletesAnything) {
    WriteFile(dst + "precious.txt", "keep me");
    const std::string missing = root / Native("unplugged/");

    const test::ProcessResult result = test::RunQuorvexBinary(
        {"-s", missing, "-d", dst, "-logdir", logs, "-del", "-start", "-nowin"},
        test::InFolder(root.path()));

    EXPECT_EQ(result.exitStatus, 1);
    const Lines log = Log();
    ASSERT_EQ(log.size(), 12u);
    EXPECT_EQ(log[11], "FEHLER: Quell-Verzeichnis existiert nicht (mehr): " + missing);
    EXPECT_EQ(ReadFile(dst + "precious.txt"), "keep me");
}

TEST_F(SyncBinaryTest, HistoryLogsGetOneFilePerRunAndATickSuffixOnCollision) {
    WriteFile(src + "a.txt", "a");
    const DateValue now = CurrentDateValue();
    // Every name the run could pick in the next seconds is taken already.
    for (int second = 0; second < 5; ++second) {
        WriteFile(logs + "Quorvex" + FormatDate("_%yyyy%mm%dd_%hh%ii%ss", now + second) + ".log",
                  "");
    }

    ASSERT_EQ(Sync({"-history"}).exitStatus, 0);

    const std::string listing = test::ListedNames(logs);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(listing, match, std::regex("Quorvex_\\d{8}_\\d{6}_\\d+\\.log")))
        << listing;
    const Lines log = test::MaskedLogLines(logs + match[0].str());
    EXPECT_EQ(log[8], "MODUS: BATCH +NOWIN +HISTORY");
    EXPECT_FALSE(test::PathExists(logs + "Quorvex.log"));
}

TEST_F(SyncBinaryTest, SecureLogHoldsOnlyTheLatestRun) {
    WriteFile(src + "a.txt", "a");
    ASSERT_EQ(Sync({"-securelog"}).exitStatus, 0);
    ASSERT_EQ(Sync({"-securelog"}).exitStatus, 0);

    const Lines log = Log();
    EXPECT_EQ(log[0], "##########################################");
    EXPECT_EQ(log[8], "MODUS: BATCH +NOWIN +SECURELOG");
    EXPECT_EQ(std::count(log.begin(), log.end(), "### JOB #1"), 1);
    EXPECT_EQ(log.back(), "");
    EXPECT_EQ(log[log.size() - 2], "- Die beiden Verzeichnisse waren gleich!");
}

TEST_F(SyncBinaryTest, NoLogWritesNoFile) {
    WriteFile(src + "a.txt", "a");
    ASSERT_EQ(Sync({"-nolog"}).exitStatus, 0);
    EXPECT_EQ(test::ListedNames(logs), "");
    EXPECT_EQ(RsyncDifferences(src, dst), "");
}

TEST_F(SyncBinaryTest, RefusedUnattendedRunsSayWhyOnStderr) {
    test::MakeFolder(src + "inner");
    const struct {
        std::string source;
        std::string target;
        std::string err;
    } cases[] = {
        {src, src, "Quorvex: Quell- und Zielverzeichnis sind identisch!\n"},
        {src, src + "inner", "Quorvex: Quell- und Zielverzeichnis überschneiden sich!\n"},
        {src + "inner", src, "Quorvex: Quell- und Zielverzeichnis überschneiden sich!\n"},
        {"q", dst,
         "Quorvex: Quell- oder Zielverzeichnis nicht zulässig!\n\nQuelle: " + Native("q/") +
             "\nZiel: " + dst + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.target);
        const test::ProcessResult result = test::RunQuorvexBinary(
            {"-s", c.source, "-d", c.target, "-logdir", logs, "-start", "-nowin"},
            test::WithoutDisplay(test::InFolder(root.path())));
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(test::ListedNames(logs), "");
    }
}

TEST_F(SyncBinaryTest, ExtensionFilterIgnoresTheCaseOfUmlauts) {
    WriteFile(src + "brief.ÄRGER", "1");
    WriteFile(src + "notiz.Ärger", "2");
    WriteFile(src + "brief.txt", "3");

    ASSERT_EQ(Sync({"-incl", "ärger"}).exitStatus, 0);

    EXPECT_EQ(test::ListedNames(dst), "brief.ÄRGER\nnotiz.Ärger\n");
}

TEST_F(SyncBinaryTest, ReadOnlyTargetIsOverwrittenAndTakesTheSourceMode) {
    Put(src + "a.txt", "new", kNoon);
    Put(dst + "a.txt", "old", kNoon - 3600);
    test::MakeReadOnly(dst + "a.txt");

    ASSERT_EQ(Sync().exitStatus, 0);

    EXPECT_EQ(ReadFile(dst + "a.txt"), "new");
    EXPECT_EQ(RsyncDifferences(src, dst), "");
}

}  // namespace
}  // namespace quorvex
