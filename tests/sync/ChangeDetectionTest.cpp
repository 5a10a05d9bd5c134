#include "sync/ChangeDetection.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DateTime.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "sync/Scanner.h"

namespace quorvex {
namespace {

constexpr long long kTime = 1780000000;

class ChangeDetectionTest : public ::testing::Test {
  protected:
    ChangeDetectionTest() {
        test::MakeFolder(src);
        test::MakeFolder(dst);
        test::WriteFile(dst + "other", "keeps the target from looking empty");
        program.engine.target = program.files->OpenTarget(dst, nullptr);
    }

    void Pair(const std::string& name, long long sourceTime, long long targetTime,
              std::size_t sourceSize, std::size_t targetSize) {
        Sized(src + name, sourceSize, sourceTime);
        Sized(dst + name, targetSize, targetTime);
    }
    static void Sized(const std::string& path, std::size_t size, long long time) {
        test::WriteFile(path, "");
        EXPECT_EQ(truncate(path.c_str(), static_cast<off_t>(size)), 0);
        test::SetModificationTime(path, time);
    }

    std::vector<std::string> Findings() {
        program.engine.counters = ScanCounters();
        program.engine.stats.sourceFiles = ScanDirectory(program, src, "", true, std::nullopt);
        DetectChanges(program, src, dst, FingerprintMethod::None, program.clock->TicksNow());
        const std::vector<std::string> log = test.LogLines();
        return std::vector<std::string>(log.begin() + 1, log.end() - 2);
    }

    test::TempDir dir;
    const std::string src = dir / "src/";
    const std::string dst = dir / "dst/";
    test::TestProgram test;
    Program& program = test.program;
};

TEST_F(ChangeDetectionTest, DateToleranceIsStrictAndAbsolute) {
    Pair("older2", kTime, kTime - 2, 1, 1);
    Pair("older3", kTime, kTime - 3, 1, 1);
    Pair("newer3", kTime, kTime + 3, 1, 1);

    EXPECT_EQ(Findings(), (std::vector<std::string>{"Datum geändert: '" + src + "newer3'",
                                                    "Datum geändert: '" + src + "older3'"}));
    EXPECT_EQ(program.engine.stats.changedFiles, 2);
    EXPECT_EQ(program.engine.copyList.size(), 2u);
}

// One pair per case, each differing in one way, in name order (the order of the scan);
// the verdict is the reason its log line gives.
TEST_F(ChangeDetectionTest, TimesAndSizesAreExactAndCloseTimesAreLookedAtCloser) {
    const long long epoch = DateValueToFileTime(0);  // a DateValue of 0
    struct Case {
        const char* name;
        long long sourceTime, targetTime;
        std::size_t sourceSize, targetSize;
        mode_t targetMode;
        const char* verdict;  // nullptr: no finding
    };
    const Case cases[] = {
        {"big", kTime, kTime, 16777217, 16777216, 0644, "Dateigröße geändert"},
        {"modeWithinTolerance", kTime, kTime + 2, 5, 5, 0600, "Attribute geändert"},
        {"resizedInASecond", kTime, kTime - 1, 5, 6, 0644, "Dateigröße geändert"},
        {"sizeBeyondTolerance", kTime, kTime + 3, 5, 6, 0644, "Datum geändert"},
        {"targetAtZero", epoch, epoch, 5, 6, 0644, "Dateigröße geändert"},
        {"targetBeforeZero", kTime, epoch - 1, 5, 5, 0644, "Datum geändert"},
        {"targetFrom1960", kTime, -315619200, 5, 5, 0644, "Datum geändert"},
        {"unchanged", kTime, kTime - 2, 5, 5, 0644, nullptr},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        Pair(c.name, c.sourceTime, c.targetTime, c.sourceSize, c.targetSize);
        chmod((src + c.name).c_str(), 0644);
        chmod((dst + c.name).c_str(), c.targetMode);
        if (c.verdict != nullptr) {
            expected.push_back(std::string(c.verdict) + ": '" + src + c.name + "'");
        }
    }

    EXPECT_EQ(Findings(), expected);
    EXPECT_EQ(program.engine.stats.newFiles, 0);
}

TEST_F(ChangeDetectionTest, SwitchedOffTestsFindNothing) {
    program.settings.FileCheck_Date = 0;
    program.settings.Filecheck_Exist = 0;
    Pair("hourOlder", kTime, kTime - 3600, 5, 6);
    Sized(src + "missing", 3, kTime);

    EXPECT_EQ(Findings(), std::vector<std::string>{});
    EXPECT_TRUE(program.engine.copyList.empty());
}

TEST_F(ChangeDetectionTest, FoldersGoToTheCopyListOnlyWhenMissing) {
    test::MakeFolder(src + "present");
    test::MakeFolder(dst + "present");
    test::MakeFolder(src + "absent");

    EXPECT_EQ(Findings(), std::vector<std::string>{});
    ASSERT_EQ(program.engine.copyList.size(), 1u);
    EXPECT_EQ(program.engine.copyList[0].path, src + "absent/");
    EXPECT_TRUE(program.engine.scanList.empty());
    EXPECT_EQ(program.engine.stats.targetFiles, 1);
}

TEST_F(ChangeDetectionTest, EmptyTargetTakesTheWholeSourceWithoutLookingUp) {
    unlink((dst + "other").c_str());
    test::MakeFolder(dst + "present");
    test::MakeFolder(src + "present");
    Sized(src + "present/f", 1, kTime);

    EXPECT_EQ(Findings(), (std::vector<std::string>{"Neuer Ordner: '" + src + "present/'",
                                                    "Neue Datei: '" + src + "present/f'"}));
    EXPECT_EQ(program.engine.stats.newFiles, 1);
    EXPECT_EQ(test.pump.polls, 6) << "only the scan polls";
}

TEST_F(ChangeDetectionTest, WindowModeShowsCountsAndAddsChangeRows) {
    program.settings.WindowHidden = 0;
    test.display.wantChangeList = true;
    program.engine.jobNumber = 2;
    program.engine.jobTitle = "Fotos";
    Sized(src + "new", 1, kTime);

    Findings();

    EXPECT_EQ(program.changeList,
              std::vector<std::string>{"Job #2: Fotos|Datei nicht vorhanden|" + src + "new"});
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::NewFiles)], "1");
    EXPECT_EQ(test.display.fields[static_cast<int>(StatField::TargetFiles)], "1");
}

TEST_F(ChangeDetectionTest, RefreshesKeepTheirIntervalsAcrossATickWrap) {
    program.settings.WindowHidden = 0;
    program.settings.Systray = 1;
    for (int i = 10; i < 40; ++i) {
        Sized(src + "f" + std::to_string(i), 1, kTime);
    }
    // Read at the phase's start and once per file, 100 ms apart; the counter wraps early on.
    test.clock.ticks = 0xFFFFFFFFu - 250;
    test.clock.stepPerReading = 100;

    Findings();

    EXPECT_EQ(test.display.statusTexts.back(), "Vergleiche (29/30)...");
    ASSERT_EQ(test.display.durationTexts.size(), 30u);
    EXPECT_EQ(test.display.durationTexts.front(), "Dauer: 00:00:00.100");
    EXPECT_EQ(test.display.durationTexts.back(), "Dauer: 00:00:03");
    // More than 250 ms: every third file; more than a second: every eleventh.
    ASSERT_EQ(test.display.titles.size(), 10u);
    EXPECT_EQ(test.display.titles.back(), "Quorvex v2.5 - 96%");
    EXPECT_EQ(test.display.tooltips,
              (std::vector<std::string>{"Vergleiche...", "Quorvex v2.5 - Vergleiche 33%",
                                        "Quorvex v2.5 - Vergleiche 70%"}));
    EXPECT_EQ(test.LogLines().end()[-2], "### ÄNDERUNGEN (30) FESTSTELLEN DAUERTE: 00:00:03");
}

}  // namespace
}  // namespace quorvex
