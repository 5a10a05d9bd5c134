#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "platform/SystemActions.h"
#include "program/EventPump.h"
#include "program/SyncDisplay.h"

namespace quorvex::test {

// Hands out scripted events: a trigger decides at each poll whether the next event is due.
class ScriptedPump : public EventPump {
  public:
    using Trigger = std::function<bool(int pollNumber)>;

    void At(Trigger trigger, PumpEvent event) { script_.push_back({std::move(trigger), event}); }
    // The event at exactly the given poll (counted from 1).
    void AtPoll(int pollNumber, PumpEvent event) {
        At([pollNumber](int poll) { return poll == pollNumber; }, event);
    }

    PumpEvent PollOne() override {
        ++polls;
        for (std::size_t i = 0; i < script_.size(); ++i) {
            if (script_[i].first(polls)) {
                const PumpEvent event = script_[i].second;
                script_.erase(script_.begin() + static_cast<long>(i));
                return event;
            }
        }
        return PumpEvent::None;
    }
    void FlushAll() override { ++flushes; }
    void HoldPause() override { ++pauses; }
    // The wait lets the clock, when given one, move on by the whole time.
    void WaitForEvent(int milliseconds) override {
        if (waitClock != nullptr) {
            waitClock->Wait(milliseconds);
        }
    }

    Clock* waitClock = nullptr;

    int polls = 0;
    int flushes = 0;
    int pauses = 0;

  private:
    std::vector<std::pair<Trigger, PumpEvent>> script_;
};

// Remembers what a run showed.
class RecordingDisplay : public NullSyncDisplay {
  public:
    void SetFileProgress(int percent) override { fileProgress.push_back(percent); }
    void SetStatisticsField(StatField field, const std::string& text) override {
        fields[static_cast<int>(field)] = text;
    }
    void SetWindowTitle(const std::string& title) override { titles.push_back(title); }
    void SetStatusText(int field, const std::string& text) override {
        if (field == 0) {
            statusTexts.push_back(text);
        } else if (field == 1) {
            durationTexts.push_back(text);
        }
    }
    void SetTrayTooltip(const std::string& tooltip) override { tooltips.push_back(tooltip); }
    bool ChangeListWanted() const override { return wantChangeList; }
    void AddChangeTreeNode(int level, const std::string& text) override {
        treeNodes.push_back(std::to_string(level) + ":" + text);
    }
    void ShowPage(int index) override { pages.push_back(index); }
    bool ShowStatisticsWindow(const RunTotals& totals, bool preview,
                              const std::string& logPath) override {
        statisticsShown.push_back({totals, preview, logPath});
        return true;
    }

    struct StatisticsCall {
        RunTotals totals;
        bool preview;
        std::string logPath;
    };

    bool wantChangeList = false;
    std::vector<int> fileProgress;
    std::string fields[kStatFieldCount];
    std::vector<std::string> titles;
    std::vector<std::string> statusTexts;
    std::vector<std::string> durationTexts;
    std::vector<std::string> tooltips;
    std::vector<std::string> treeNodes;
    std::vector<int> pages;
    std::vector<StatisticsCall> statisticsShown;
};

class RecordingSystemActions : public SystemActions {
  public:
    bool SetProcessPriority(std::int32_t priorityClass) override {
        calls.push_back("priority " + std::to_string(priorityClass));
        return priorityClass != refusedClass;
    }
    void LogOffUser() override { calls.push_back("log off"); }
    void PowerOffComputer() override { calls.push_back("power off"); }

    std::vector<std::string> calls;
    std::int32_t refusedClass = 0;  // a class the system will not (fully) apply
};

}  // namespace quorvex::test
