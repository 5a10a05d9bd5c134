#include "ui/wx/WxSyncDisplay.h"

#include "ui/wx/StatisticsWindow.h"
#include "ui/wx/WxText.h"

namespace quorvex {

void WxSyncDisplay::SetStatusText(int field, const std::string& text) {
    const wxString value = ToWx(text);
    if (window_.GetStatusBar()->GetStatusText(field) != value) {
        window_.SetStatusText(value, field);
    }
}

void WxSyncDisplay::SetFileStatus(const std::string& text) {
    window_.FileStatus().SetText(text);
}

void WxSyncDisplay::SetFileProgress(int percent) {
    window_.FileStatus().Bar()->SetPercent(percent);
}

void WxSyncDisplay::SetJobStatus(const std::string& text) {
    window_.JobStatus().SetText(text);
}

void WxSyncDisplay::SetJobProgress(int percent) {
    window_.JobStatus().Bar()->SetPercent(percent);
}

void WxSyncDisplay::SetStatisticsField(StatField field, const std::string& text) {
    window_.Statistics().SetField(field, text);
}

void WxSyncDisplay::RefreshStatisticsLabels() {
    window_.Statistics().RefreshLabels();
}

void WxSyncDisplay::SetWindowTitle(const std::string& title) {
    const wxString value = ToWx(title);
    if (window_.GetTitle() != value) {
        window_.SetTitle(value);
    }
}

void WxSyncDisplay::AddTrayIcon(const std::string& tooltip) {
    if (tray_ == nullptr) {
        tray_ = std::make_unique<TrayIcon>(window_.Gate());
    }
    tray_->Add(ToWx(tooltip));
}

void WxSyncDisplay::SetTrayTooltip(const std::string& tooltip) {
    if (tray_ != nullptr) {
        tray_->SetTooltip(ToWx(tooltip));
    }
}

void WxSyncDisplay::RemoveTrayIcon() {
    if (tray_ != nullptr) {
        tray_->Remove();
    }
}

bool WxSyncDisplay::ChangeListWanted() const {
    return window_.Widened();
}

void WxSyncDisplay::ClearChangeTree() {
    window_.ClearChanges();
}

void WxSyncDisplay::AddChangeTreeNode(int level, const std::string& text) {
    window_.Changes().AddNode(level, ToWx(text));
}

void WxSyncDisplay::LockControls(bool locked) {
    window_.LockControls(locked);
}

void WxSyncDisplay::SetRunButtonLabels(const std::string& runLabel,
                                       const std::string& previewLabel) {
    window_.SetRunButtonLabels(ToWx(runLabel), ToWx(previewLabel));
    window_.EnableRunButtons(true);
}

void WxSyncDisplay::ShowPage(int index) {
    window_.ShowPage(index);
}

void WxSyncDisplay::ShowMainWindow(ShowState state) {
    switch (state) {
        case ShowState::Hide:
            if (TrayShown() && TrayIcon::TrayAvailable()) {
                window_.Hide();
                break;
            }
            [[fallthrough]];
        case ShowState::Minimised:
            window_.Iconize(true);
            break;
        case ShowState::Normal:
            window_.Iconize(false);
            window_.Show();
            window_.Raise();
            break;
    }
}

void WxSyncDisplay::EnableAfterRun() {
    window_.EnableAfterRun();
}

bool WxSyncDisplay::ShowStatisticsWindow(const RunTotals& totals, bool preview,
                                         const std::string& logPath) {
    WindowServices& services = window_.Services();
    return quorvex::ShowStatisticsWindow(&window_, pump_, totals, preview, [&services, logPath]() {
        if (services.openExternal) {
            services.openExternal(logPath);
        }
    });
}

}  // namespace quorvex
