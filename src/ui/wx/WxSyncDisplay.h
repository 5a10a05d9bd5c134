#pragma once

#include "program/SyncDisplay.h"
#include "ui/wx/MainWindow.h"
#include "ui/wx/WxEventPump.h"

namespace quorvex {

// The run's display elements on the main window.
class WxSyncDisplay : public SyncDisplay {
  public:
    WxSyncDisplay(MainWindow& window, WxEventPump& pump) : window_(window), pump_(pump) {}

    void SetStatusText(int field, const std::string& text) override;
    void SetFileStatus(const std::string& text) override;
    void SetFileProgress(int percent) override;
    void SetJobStatus(const std::string& text) override;
    void SetJobProgress(int percent) override;
    void SetStatisticsField(StatField field, const std::string& text) override;
    void RefreshStatisticsLabels() override;
    void SetWindowTitle(const std::string& title) override;
    // The tray icon arrives with its own window class; until then a run keeps the window.
    void AddTrayIcon(const std::string&) override {}
    void SetTrayTooltip(const std::string&) override {}
    void RemoveTrayIcon() override {}
    bool ChangeListWanted() const override;
    void ClearChangeTree() override;
    void AddChangeTreeNode(int level, const std::string& text) override;
    void LockControls(bool locked) override;
    // Relabels the two run buttons and enables them: the run keeps them usable as
    // "STOP!" and "Pause" while everything else is locked.
    void SetRunButtonLabels(const std::string& runLabel, const std::string& previewLabel) override;
    void ShowPage(int index) override;
    void ShowMainWindow(ShowState state) override;
    void EnableAfterRun() override;
    bool ShowStatisticsWindow(const RunTotals& totals, bool preview,
                              const std::string& logPath) override;

  private:
    MainWindow& window_;
    WxEventPump& pump_;
};

}  // namespace quorvex
