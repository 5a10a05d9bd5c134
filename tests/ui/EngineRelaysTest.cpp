#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/RecordingDialogs.h"
#include "ui/EngineRelays.h"

namespace quorvex {
namespace {

// The window's display: notes each call it receives, in order.
class RecordingDisplay : public NullSyncDisplay {
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

class NoPump : public NullEventPump {
  public:
    void FlushAll() override { ++flushes; }
    int flushes = 0;
};

// The window's thread: serves the queue until the work on the other thread has ended.
void ServeWhile(CallQueue& calls, const std::function<void()>& work) {
    std::atomic<bool> ended{false};
    std::thread engine([&]() {
        work();
        ended = true;
    });
    while (!ended) {
        calls.RunPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    engine.join();
    calls.RunPending();
}

TEST(EngineRelaysTest, CallsArriveInOrderAndTextsKeepOnlyTheirLatestValue) {
    CallQueue calls([]() {});
    RecordingDisplay window;
    test::RecordingDialogs windowDialogs;
    windowDialogs.yesNoAnswers = {true};
    NoPump windowPump;
    RelayedDisplay display(calls, &window);
    RelayedDialogs dialogs(calls, windowDialogs);
    RelayedPump pump(calls, &windowPump);
    bool answer = false;
    bool shown = false;
    std::vector<std::string> seenAtQuestion;
    ServeWhile(calls, [&]() {
        display.SetFileStatus("a");
        display.SetFileProgress(10);
        display.SetFileStatus("b");
        display.LockControls(true);
        display.SetStatisticsField(StatField::NewFiles, "1");
        display.SetStatisticsField(StatField::NewFiles, "2");
        display.RefreshStatisticsLabels();
        display.SetFileStatus("c");
        answer = dialogs.AskYesNo("Weiter?", "Quorvex");
        seenAtQuestion = window.calls;
        pump.FlushAll();
        shown = display.ShowStatisticsWindow(RunTotals{}, false, "log.txt");
        display.SetFileProgress(100);
    });
    EXPECT_TRUE(answer);
    EXPECT_TRUE(shown);
    EXPECT_EQ(windowDialogs.questions, std::vector<std::string>{"Weiter?"});
    EXPECT_EQ(windowPump.flushes, 1);
    const std::vector<std::string> beforeQuestion = {"file b",    "bar 10", "lock",
                                                     "field 2 2", "labels", "file c"};
    EXPECT_EQ(seenAtQuestion, beforeQuestion);
    std::vector<std::string> all = beforeQuestion;
    all.insert(all.end(), {"statistics log.txt", "bar 100"});
    EXPECT_EQ(window.calls, all);

    // On the window's own thread a call runs at once instead of waiting for itself.
    EXPECT_TRUE(display.ShowStatisticsWindow(RunTotals{}, true, "zwei.txt"));
    EXPECT_EQ(window.calls.back(), "statistics zwei.txt");
}

TEST(EngineRelaysTest, ARecordedEventReachesTheRunOnceAndEndsItsWait) {
    CallQueue calls([]() {});
    NoPump windowPump;
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
