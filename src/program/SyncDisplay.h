#pragma once

#include <string>

#include "program/JobStats.h"

namespace quorvex {

// The nine count fields of the statistics page.
enum class StatField {
    SourceFiles,   // "Quell-Dateien"
    TargetFiles,   // "Ziel-Dateien"
    NewFiles,      // "Neue Dateien"
    NewFolders,    // "Neue Ordner angelegt"
    ChangedFiles,  // "Geänderte Dateien"
    DeletedFiles,  // "Gelöschte Dateien"
    BytesCopied,   // "Bytes kopiert"
    CopyErrors,    // "Fehler beim kopieren"
    DeleteErrors,  // "Fehler beim löschen"
};
constexpr int kStatFieldCount = 9;

// How a run wants the main window shown.
enum class ShowState { Hide, Normal, Minimised };

// What a run writes to while it works. The main window implements it; with -nowin and
// in tests a null display stands in. Callers throttle their updates themselves.
class SyncDisplay {
  public:
    virtual ~SyncDisplay() = default;

    // Status bar: field 0 the status text, 1 the duration, 2-4 estimates and addresses.
    virtual void SetStatusText(int field, const std::string& text) = 0;
    virtual void SetFileStatus(const std::string& text) = 0;
    virtual void SetFileProgress(int percent) = 0;
    virtual void SetJobStatus(const std::string& text) = 0;
    virtual void SetJobProgress(int percent) = 0;
    virtual void SetStatisticsField(StatField field, const std::string& text) = 0;
    // Greys out every caption whose field is empty.
    virtual void RefreshStatisticsLabels() = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;

    // Tray icon; setting the tooltip while no icon exists does nothing.
    virtual void AddTrayIcon(const std::string& tooltip) = 0;
    virtual void SetTrayTooltip(const std::string& tooltip) = 0;
    virtual void RemoveTrayIcon() = 0;

    // Change rows are collected only while the file-list toggle ("Mehr >>") is down.
    virtual bool ChangeListWanted() const = 0;
    virtual void ClearChangeTree() = 0;
    virtual void AddChangeTreeNode(int level, const std::string& text) = 0;

    // The window steps of a run.
    virtual void LockControls(bool locked) = 0;
    virtual void SetRunButtonLabels(const std::string& runLabel,
                                    const std::string& previewLabel) = 0;
    virtual void ShowPage(int index) = 0;
    virtual void ShowMainWindow(ShowState state) = 0;
    // After a run: the start button, batch export, adding and removing jobs, the
    // file-list toggle and the job list take input again.
    virtual void EnableAfterRun() = 0;
    // The end-of-run statistics, waiting until the window is closed. False when the
    // window could not be opened.
    virtual bool ShowStatisticsWindow(const RunTotals& totals, bool preview,
                                      const std::string& logPath) = 0;
};

class NullSyncDisplay : public SyncDisplay {
  public:
    void SetStatusText(int, const std::string&) override {}
    void SetFileStatus(const std::string&) override {}
    void SetFileProgress(int) override {}
    void SetJobStatus(const std::string&) override {}
    void SetJobProgress(int) override {}
    void SetStatisticsField(StatField, const std::string&) override {}
    void RefreshStatisticsLabels() override {}
    void SetWindowTitle(const std::string&) override {}
    void AddTrayIcon(const std::string&) override {}
    void SetTrayTooltip(const std::string&) override {}
    void RemoveTrayIcon() override {}
    bool ChangeListWanted() const override { return false; }
    void ClearChangeTree() override {}
    void AddChangeTreeNode(int, const std::string&) override {}
    void LockControls(bool) override {}
    void SetRunButtonLabels(const std::string&, const std::string&) override {}
    void ShowPage(int) override {}
    void ShowMainWindow(ShowState) override {}
    void EnableAfterRun() override {}
    bool ShowStatisticsWindow(const RunTotals&, bool, const std::string&) override { return true; }
};

}  // namespace quorvex
