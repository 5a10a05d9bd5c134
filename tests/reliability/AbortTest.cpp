// An abort may come at any poll of a job: whatever phase it meets, every target file
// holds its old or its new version and the job's log outline is complete.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "reliability/MirrorFixture.h"
#include "sync/CopyFileBuffered.h"

namespace quorvex {
namespace {

using test::Lines;
using test::WriteFile;

constexpr long long kOld = 1700000000;
constexpr long long kNew = 1780000000;

void Put(const std::string& path, const std::string& content, long long time) {
    WriteFile(path, content);
    test::SetModificationTime(path, time);
}

// New, changed, equal and surplus entries, and a file of several copy blocks.
void BuildScene(test::MirrorScene& scene) {
    const std::string& src = scene.src;
    const std::string& dst = scene.dst;
    test::MakeFolder(src + "sub/deeper");
    test::MakeFolder(dst + "sub");
    test::MakeFolder(dst + "old/inner");
    Put(src + "a.txt", "new file", kNew);
    Put(src + "sub/b.txt", "changed content", kNew);
    Put(dst + "sub/b.txt", "old content", kOld);
    Put(src + "sub/deeper/c.txt", "in a new folder", kNew);
    Put(src + "big.bin", std::string(2 * kCopyBlockSize + 7, 'N'), kNew);
    Put(dst + "big.bin", std::string(kCopyBlockSize, 'O'), kOld);
    Put(src + "same.txt", "same", kOld);
    Put(dst + "same.txt", "same", kOld);
    Put(dst + "surplus.txt", "surplus", kOld);
    Put(dst + "old/inner/x.txt", "x", kOld);
}

const Lines kFullOutline{
    "### JOB #1",       "### LESE QUELL-ORDNER:", "### EINLESEN DAUERTE:", "### ÄNDERUNGEN:",
    "### ÄNDERUNGEN (", "### LESE ZIEL-ORDNER:",  "### EINLESEN DAUERTE:", "### LÖSCHEN:",
    "### LÖSCHEN (",    "### KOPIEREN:",          "### KOPIEREN (",        "### STATISTIK:"};

// Without the deletion block, which an earlier abort skips.
Lines OutlineWithoutDeletion() {
    Lines outline = kFullOutline;
    outline.erase(outline.begin() + 5, outline.begin() + 9);
    return outline;
}

// The figure lines, the rate and time lines, the line for equal folders when nothing
// changed, and the closing empty line.
bool StatisticsComplete(const Lines& log) {
    const Lines block = test::LogSection(log, "### STATISTIK:", "");
    const bool equal = block.size() > 2 && block[block.size() - 2].rfind("- Die beiden", 0) == 0;
    return block.size() == (equal ? 21u : 20u) && block.back().empty();
}

// An abort is no failure: no copy error line, no second attempt.
bool CopyFailureLogged(const Lines& log) {
    return std::any_of(log.begin(), log.end(), [](const std::string& line) {
        return line.rfind("!!! FEHLER BEIM KOPIEREN", 0) == 0 ||
               line.rfind("! PROBLEM BEIM KOPIEREN", 0) == 0;
    });
}

class AbortAtEveryPollTest : public ::testing::TestWithParam<std::tuple<PumpEvent, bool>> {};

TEST_P(AbortAtEveryPollTest, NothingIsLostAndTheOutlineIsComplete) {
    const auto [event, window] = GetParam();
    int runs = 0;
    for (int poll = 1;; ++poll) {
        test::MirrorScene scene(window);
        BuildScene(scene);
        scene.test.pump.AtPoll(poll, event);
        const SyncJob& job = scene.Job();

        ASSERT_TRUE(scene.Sync(job)) << "poll " << poll;

        ++runs;
        EXPECT_EQ(scene.Losses(), "") << "poll " << poll;
        const Lines outline = scene.Outline();
        EXPECT_TRUE(outline == kFullOutline || outline == OutlineWithoutDeletion())
            << "poll " << poll;
        EXPECT_TRUE(StatisticsComplete(scene.Log())) << "poll " << poll;
        EXPECT_FALSE(CopyFailureLogged(scene.Log())) << "poll " << poll;
        EXPECT_EQ(scene.test.program.engine.stats.copyErrors, 0) << "poll " << poll;
        if (scene.test.pump.polls < poll) {
            EXPECT_FALSE(scene.test.program.run.abortRequested);
            EXPECT_EQ(test::RsyncDifferences(scene.src, scene.dst, true), "");
            break;
        }
        EXPECT_TRUE(scene.test.program.run.abortRequested) << "poll " << poll;
    }
    EXPECT_GT(runs, 20);
    RecordProperty("runs", runs);
}

std::string EventAndMode(const ::testing::TestParamInfo<std::tuple<PumpEvent, bool>>& info) {
    const PumpEvent event = std::get<0>(info.param);
    const std::string name = event == PumpEvent::EscapeKey   ? "Escape"
                             : event == PumpEvent::RunButton ? "StopButton"
                                                             : "CloseBox";
    return name + (std::get<1>(info.param) ? "InWindow" : "Unattended");
}

INSTANTIATE_TEST_SUITE_P(Events, AbortAtEveryPollTest,
                         ::testing::Combine(::testing::Values(PumpEvent::EscapeKey,
                                                              PumpEvent::RunButton,
                                                              PumpEvent::CloseRequest),
                                            ::testing::Bool()),
                         EventAndMode);

TEST(LargeFileAbortTest, EscapeInTheMiddleOfALargeFileKeepsItsOldVersion) {
    test::MirrorScene scene(true);
    BuildScene(scene);
    // Large enough for polls between its blocks.
    Put(scene.src + "big.bin", std::string(48 * kCopyBlockSize, 'N'), kNew);
    const test::RecordingDisplay& display = scene.test.display;
    scene.test.pump.At(
        [&display](int) {
            return !display.fileProgress.empty() && display.fileProgress.back() > 0 &&
                   display.fileProgress.back() < 100;
        },
        PumpEvent::EscapeKey);
    const SyncJob& job = scene.Job();

    EXPECT_TRUE(scene.Sync(job));

    EXPECT_EQ(scene.Losses(), "");
    EXPECT_EQ(test::ReadFile(scene.dst + "big.bin"), std::string(kCopyBlockSize, 'O'));
    EXPECT_EQ(scene.Outline(), kFullOutline);
    EXPECT_EQ(test::LogSection(scene.Log(), "### KOPIEREN:", "### STATISTIK:"),
              (Lines{"### KOPIEREN:",
                     "Datei kopiert: '" + scene.src + "a.txt' -> '" + scene.dst + "a.txt'",
                     "!!! BENUTZERABBRUCH", "### KOPIEREN (1) DAUERTE: <time>", ""}));
}

using AbortTest = test::MirrorFixture;

TEST_F(AbortTest, EscapeDuringTheDeletionKeepsWhatWasNotReached) {
    BuildScene(*this);
    test.pump.At([this](int) { return Logged("Ordner gelöscht: '" + dst + test::Native("old/'")); },
                 PumpEvent::EscapeKey);
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(Losses(), "");
    EXPECT_TRUE(test::PathExists(dst + "surplus.txt"));
    EXPECT_EQ(
        test::LogSection(Log(), "### LÖSCHEN:", "### KOPIEREN:"),
        (Lines{"### LÖSCHEN:", "Ordner gelöscht: '" + dst + test::Native("old/'"),
               "!!! Benutzer hat Operation abgebrochen", "### LÖSCHEN (0) DAUERTE: <time>", ""}));
    EXPECT_EQ(test::LogSection(Log(), "### KOPIEREN:", "### STATISTIK:"),
              (Lines{"### KOPIEREN:", "### KOPIEREN (0) DAUERTE: <time>", ""}));
}

}  // namespace
}  // namespace quorvex
