#include "ui/EngineThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>

#include "run/RunDriver.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"

namespace quorvex {
namespace {

// The window's display: notes each call it receives, in order.
class OrderedDisplay : public NullSyncDisplay {
  public:
    void SetFileStatus(const std::string& text) override { calls.push_back("file " + text); }
    void SetFileProgress(int percent) override {
        calls.push_back("bar " + std::to_string(percent));
    }
    void SetStatisticsField(StatField field, const std::string& text) override {
        calls.push_back("field " + std::to_string(static_cast<int>(field)) + " " + text);
    }
    void RefreshStatisticsLabels() override { calls.push_back("labels"); }
    void LockControls(bool locked) override { calls.push_back(locked ? "lock" : "unlock"); }
    bool ShowStatisticsWindow(const RunTotals&, bool, const std::string& logPath) override {
        calls.push_back("statistics " + logPath);
        return true;
    }

    std::vector<std::string> calls;
};

// The window's thread: serves the work until it has ended.
void ServeToTheEnd(EngineThread& engine, SyncDisplay& display, EventPump& pump,
                   PumpEvent recorded = PumpEvent::None) {
    while (!engine.Ended()) {
        engine.Serve(recorded);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    engine.Finish(display, pump);
}

TEST(EngineThreadTest, CallsArriveInOrderAndTextsKeepOnlyTheirLatestValue) {
    test::TestProgram test(true);
    Program& program = test.program;
    test.dialogs.yesNoAnswers = {true};
    OrderedDisplay window;
    bool answer = false;
    bool shown = false;
    std::vector<std::string> seenAtQuestion;
    EngineThread engine(
        program, &window, &test.pump, []() {},
        [&]() {
            SyncDisplay& display = *program.display;
            display.SetFileStatus("a");
            display.SetFileProgress(10);
            display.SetFileStatus("b");
            display.LockControls(true);
            display.SetStatisticsField(StatField::NewFiles, "1");
            display.SetStatisticsField(StatField::NewFiles, "2");
            display.RefreshStatisticsLabels();
            display.SetFileStatus("c");
            answer = program.dialogs->AskYesNo("Weiter?", "Quorvex");
            seenAtQuestion = window.calls;
            shown = display.ShowStatisticsWindow(RunTotals{}, false, "log.txt");
            display.SetFileProgress(100);
        });
    EXPECT_NE(program.display, &window) << "the work writes through a relay";
    ServeToTheEnd(engine, window, test.pump);
    EXPECT_EQ(program.display, &window);
    EXPECT_EQ(program.dialogs, &test.dialogs);
    EXPECT_EQ(program.pump, &test.pump);
    EXPECT_TRUE(answer);
    EXPECT_TRUE(shown);
    EXPECT_EQ(test.dialogs.questions, std::vector<std::string>{"Weiter?"});
    const std::vector<std::string> beforeQuestion = {"file b",    "bar 10", "lock",
                                                     "field 2 2", "labels", "file c"};
    EXPECT_EQ(seenAtQuestion, beforeQuestion);
    std::vector<std::string> all = beforeQuestion;
    all.insert(all.end(), {"statistics log.txt", "bar 100"});
    EXPECT_EQ(window.calls, all);
}

// Thirty small files to copy, and a job for each target.
class EngineThreadRunTest : public ::testing::Test {
  protected:
    EngineThreadRunTest() {
        test::MakeFolder(dir / "quelle/");
        for (int i = 0; i < 30; ++i) {
            test::WriteFile(dir / ("quelle/datei" + std::to_string(i) + ".txt"), "inhalt");
        }
    }
    std::unique_ptr<test::TestProgram> ProgramFor(const std::string& target) {
        test::MakeFolder(dir / target);
        auto test = std::make_unique<test::TestProgram>(true);
        test->program.settings.LogfileDir = dir / "";
        test->AddJob(dir / "quelle/", dir / target);
        return test;
    }

    test::TempDir dir;
};

TEST_F(EngineThreadRunTest, ARunOnItsOwnThreadShowsWhatItShowsOnThisOne) {
    const auto run = [this](bool ownThread) {
        auto test = ProgramFor(ownThread ? "dort/" : "hier/");
        test->display.wantChangeList = true;
        if (ownThread) {
            EngineThread engine(
                test->program, &test->display, &test->pump, []() {},
                [&test]() { RunAndKeepStatus(test->program, RunKind::Sync); });
            ServeToTheEnd(engine, test->display, test->pump);
        } else {
            RunAndKeepStatus(test->program, RunKind::Sync);
        }
        EXPECT_EQ(test->program.exitStatus, kExitClean);
        return test;
    };
    const auto here = run(false);
    const auto there = run(true);
    for (int field = 0; field < kStatFieldCount; ++field) {
        EXPECT_EQ(there->display.fields[field], here->display.fields[field]) << field;
    }
    EXPECT_EQ(there->display.fields[static_cast<int>(StatField::NewFiles)], "30");
    EXPECT_EQ(there->display.treeNodes, here->display.treeNodes);
    EXPECT_EQ(there->display.pages, here->display.pages);
    EXPECT_EQ(there->display.titles.back(), here->display.titles.back());
    EXPECT_EQ(there->display.statusTexts.back(), here->display.statusTexts.back());
    EXPECT_EQ(there->display.fileProgress.back(), 0);
    EXPECT_EQ(there->display.statisticsShown.size(), 1u);
    EXPECT_EQ(there->display.statisticsShown[0].totals.newFiles, 30);
}

TEST_F(EngineThreadRunTest, AnEscapeRecordedByTheWindowAbortsTheRunWithItsMessage) {
    auto owned = ProgramFor("ziel/");
    test::TestProgram& test = *owned;
    EngineThread engine(
        test.program, &test.display, &test.pump, []() {},
        [&test]() { RunAndKeepStatus(test.program, RunKind::Sync); });
    ServeToTheEnd(engine, test.display, test.pump, PumpEvent::EscapeKey);
    ASSERT_FALSE(test.dialogs.messages.empty());
    EXPECT_EQ(test.dialogs.messages[0].text, "Benutzer hat Operation abgebrochen");
    EXPECT_EQ(test.program.exitStatus, kExitRunProblems);
}

TEST(EngineThreadTest, AFailureOfTheWorkComesBackOnTheWindowsThread) {
    test::TestProgram test(true);
    EngineThread engine(
        test.program, &test.display, &test.pump, []() {},
        []() { throw std::runtime_error("kaputt"); });
    EXPECT_THROW(ServeToTheEnd(engine, test.display, test.pump), std::runtime_error);
    EXPECT_EQ(test.program.display, &test.display);
}

TEST(EngineThreadTest, ARecordedEventReachesTheWorkOnceAndEndsItsWait) {
    CallQueue calls([]() {});
    test::ScriptedPump windowPump;
    RelayedPump pump(calls, &windowPump);
    pump.Deliver(PumpEvent::None);
    EXPECT_EQ(pump.PollOne(), PumpEvent::None);
    pump.Deliver(PumpEvent::PauseKey);
    pump.Deliver(PumpEvent::EscapeKey);
    EXPECT_EQ(pump.PollOne(), PumpEvent::EscapeKey);
    EXPECT_EQ(pump.PollOne(), PumpEvent::None);

    const auto start = std::chrono::steady_clock::now();
    std::thread window([&]() {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pump.Deliver(PumpEvent::RunButton);
    });
    pump.WaitForEvent(10000);
    window.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(pump.PollOne(), PumpEvent::RunButton);
}

}  // namespace
}  // namespace quorvex
