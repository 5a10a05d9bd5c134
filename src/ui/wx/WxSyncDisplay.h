#pragma once

#include <memory>

#include "program/SyncDisplay.h"
#include "ui/wx/MainWindow.h"
#include "ui/wx/TrayIcon.h"
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
    void AddTrayIcon(const std::string& tooltip) override;
    void SetTrayTooltip(const std::string& tooltip) override;
    void RemoveTrayIcon() override;
    bool ChangeListWanted() const override;
    void ClearChangeTree() override;
    void AddChangeTreeNode(int level, const std::string& text) override;
    void LockControls(bool locked) override;
    // Relabels the two run buttons and enables them: the run keeps them usable as
    // "STOP!" and "Pause" while everything else is locked.
    void SetRunButtonLabels(const std::string& runLabel, const std::string& previewLabel) override;
    void ShowPage(int index) override;
    // Hiding needs an icon in a notification area to bring the window back; without one
    // the window is minimised instead, so a run can always be stopped.
    void ShowMainWindow(ShowState state) override;
    void EnableAfterRun() override;
    bool ShowStatisticsWindow(const RunTotals& totals, bool preview,
                              const std::string& logPath) override;

    // The icon once it was first added; nullptr before.
    const TrayIcon* Tray() const { return tray_.get(); }

  private:
    bool TrayShown() const { return tray_ != nullptr && tray_->Shown(); }

    MainWindow& window_;
    WxEventPump& pump_;
    std::unique_ptr<TrayIcon> tray_;
};

}  // namespace quorvex
