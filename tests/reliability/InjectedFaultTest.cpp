#include <gtest/gtest.h>

#include <functional>

#include "run/RunDriver.h"
#include "support/FakeFileSystem.h"
#include "support/PlatformFacts.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "support/TreeCheck.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;
using Tree = std::map<std::string, std::string>;

constexpr DateValue kOld = 100000;
constexpr DateValue kNew = 200000;
const std::string kSrc = test::Rooted("/fake/src/");
const std::string kDst = test::Rooted("/fake/dst/");
const std::string kPair = kSrc + "a.txt' -> '" + kDst + "a.txt'";

struct InjectedFault {
    const char* name;
    std::function<void(test::FakeFileSystem&, SyncJob&)> arrange;
    // The log from `from` up to the statistics block.
    std::string from;
    Lines section;
    Tree target;
    std::int32_t copyErrors;
};

Lines FailedCopy(const std::string& code, const std::string& reason) {
    return {"### KOPIEREN:",
            "! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + kPair,
            "!!! FEHLER BEIM KOPIEREN: '" + kPair,
            "\t" + code,
            "\tSystemmeldung: " + reason,
            "### KOPIEREN (0) DAUERTE: <time>",
            ""};
}

const InjectedFault kFaults[] = {
    {"RenameOverTheTargetFails",
     [](test::FakeFileSystem& fs, SyncJob&) { fs.FailCommit(kDst + "a.txt"); },
     "### KOPIEREN:",
     FailedCopy("-4: Konnte Zieldatei nicht erstellen", "Input/output error"),
     {{"a.txt", "old"}},
     1},
    {"DiskFullFromTheFirstWrite",
     [](test::FakeFileSystem& fs, SyncJob&) { fs.NoSpaceFromWrite(1); },
     "### KOPIEREN:",
     FailedCopy("-5: Zieldatei konnte nicht korrekt geschrieben werden", "No space left on device"),
     {{"a.txt", "old"}},
     1},
    {"SourceFileRefused",
     [](test::FakeFileSystem& fs, SyncJob&) { fs.DenyAccess(kSrc + "a.txt"); },
     "### KOPIEREN:",
     FailedCopy("-3: Konnte Quelldatei nicht öffnen", "Permission denied"),
     {{"a.txt", "old"}},
     1},
    // Equal dates and sizes: the fingerprint opens the source, which is gone from then on.
    {"SourceVanishingDuringTheComparison",
     [](test::FakeFileSystem& fs, SyncJob& job) {
         fs.AddFile(kSrc + "a.txt", "new", kOld);
         fs.VanishWhenOpened(kSrc + "a.txt");
         job.FileCheckSum = 3;
     },
     "### KOPIEREN:",
     FailedCopy("-2: Quelldatei nicht (mehr) gefunden", "No such file or directory"),
     {{"a.txt", "old"}},
     1},
    // Identified at the job's start and at the deletion's start, then another folder when
    // the surplus folder is judged.
    {"SourceRootReplacedWhileSurplusFoldersAreJudged",
     [](test::FakeFileSystem& fs, SyncJob& job) {
         fs.AddFile(kSrc + "a.txt", "old", kOld);
         fs.AddFile(kDst + "gone/x.txt", "x", kOld);
         fs.ReplaceAfterIdentified(kSrc, 2);
         job.DeleteFiles = 1;
     },
     "### LÖSCHEN:",
     {"### LÖSCHEN:",
      "!!! FEHLER: Quell-Verzeichnis ist nicht mehr derselbe Ordner, nichts wird gelöscht: " + kSrc,
      "### LÖSCHEN (0) DAUERTE: <time>", "", "### KOPIEREN:", "### KOPIEREN (0) DAUERTE: <time>",
      ""},
     {{"a.txt", "old"}, {"gone/", "<folder>"}, {"gone/x.txt", "x"}},
     0},
};

void PrintTo(const InjectedFault& fault, std::ostream* out) {
    *out << fault.name;
}

class InjectedFaultTest : public ::testing::TestWithParam<InjectedFault> {};

// Every fault keeps the old target, reaches the run log with its code and the debug trace
// with the system's words, and ends the run with status 1.
TEST_P(InjectedFaultTest, KeepsTheTargetAndReportsWhy) {
    const InjectedFault& fault = GetParam();
    test::TempDir dir;
    test::FakeFileSystem fs;
    fs.AddFile(kSrc + "a.txt", "new", kNew);
    fs.AddFile(kDst + "a.txt", "old", kOld);
    test::TestProgram test;
    Program& program = test.program;
    program.files = &fs;
    program.settings.LogfileDir = dir / "";
    program.settings.DebugMode = 1;
    program.log.SetDebugLogPath(dir / "debug.log");
    fault.arrange(fs, test.AddJob(kSrc, kDst));

    EXPECT_EQ(ExitStatusAfter(RunAllJobs(program)), kExitRunProblems);

    EXPECT_EQ(fs.Tree(kDst), fault.target);
    EXPECT_EQ(
        test::LogSection(test::MaskedLogLines(dir / "Quorvex.log"), fault.from, "### STATISTIK:"),
        fault.section);
    EXPECT_EQ(program.engine.stats.copyErrors, fault.copyErrors);
    EXPECT_EQ(program.engine.stats.filesCopied, 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, InjectedFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
