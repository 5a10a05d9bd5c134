#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "program/EventPump.h"
#include "program/SyncDisplay.h"
#include "report/UserDialogs.h"
#include "ui/CallQueue.h"

namespace quorvex {

// What a run on its own thread writes to: each call goes through the queue to the
// window's own display on the window's thread. Texts and bars only keep their latest
// value until the window draws, so a run of small files hands over little.
class RelayedDisplay : public SyncDisplay {
  public:
    // The window's display may come later than the run, though before the queue is served.
    RelayedDisplay(CallQueue& calls, SyncDisplay* window) : calls_(calls) {
        if (window != nullptr) {
            Attach(*window);
        }
    }

    // On the window's thread.
    void Attach(SyncDisplay& window) {
        window_ = &window;
        NoteChangeListWanted();
    }
    // On the window's thread: takes over whether the window wants change rows now.
    void NoteChangeListWanted() { changeListWanted_ = window_->ChangeListWanted(); }

    void SetStatusText(int field, const std::string& text) override;
    void SetFileStatus(const std::string& text) override;
    void SetFileProgress(int percent) override;
    void SetJobStatus(const std::string& text) override;
    void SetJobProgress(int percent) override;
    void SetStatisticsField(StatField field, const std::string& text) override;
    void RefreshStatisticsLabels() override;
    void SetWindowTitle(const std::string& title) override;
    void AddTrayIcon(const std::string& tooltip) override;
    void SetTrayTooltip(const std::string& tooltip) override;
    void RemoveTrayIcon() override;
    bool ChangeListWanted() const override { return changeListWanted_; }
    void ClearChangeTree() override;
    void AddChangeTreeNode(int level, const std::string& text) override;
    void LockControls(bool locked) override;
    void SetRunButtonLabels(const std::string& runLabel, const std::string& previewLabel) override;
    void ShowPage(int index) override;
    void ShowMainWindow(ShowState state) override;
    void EnableAfterRun() override;
    bool ShowStatisticsWindow(const RunTotals& totals, bool preview,
                              const std::string& logPath) override;

  private:
    CallQueue& calls_;
    SyncDisplay* window_ = nullptr;
    std::atomic<bool> changeListWanted_{false};
};

// Message boxes of a run on its own thread, shown by the window's thread while the run
// waits for the answer.
class RelayedDialogs : public UserDialogs {
  public:
    RelayedDialogs(CallQueue& calls, UserDialogs& window) : calls_(calls), window_(window) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& title,
                  PresetAnswer preset = PresetAnswer::Yes) override;
    std::string AskText(const std::string& title, const std::string& prompt,
                        const std::string& proposal) override;

  private:
    CallQueue& calls_;
    UserDialogs& window_;
};

// The window's events for a run on its own thread. The window's thread dispatches them
// and delivers what its handlers recorded; the run takes it at its next poll.
class RelayedPump : public EventPump {
  public:
    // The window's pump may come later than the run, though before the queue is served.
    RelayedPump(CallQueue& calls, EventPump* window) : calls_(calls), window_(window) {}

    // On the window's thread.
    void Attach(EventPump& window) { window_ = &window; }

    // On the window's thread: a recorded event for the run; the latest one wins.
    void Deliver(PumpEvent event);

    PumpEvent PollOne() override;
    void FlushAll() override;
    // The window's thread draws on its own while the run works.
    void FlushDisplay() override {}
    void HoldPause() override;
    void WaitForEvent(int milliseconds) override;

  private:
    CallQueue& calls_;
    EventPump* window_;
    std::mutex mutex_;
    std::condition_variable delivered_;
    PumpEvent event_ = PumpEvent::None;
};

}  // namespace quorvex
