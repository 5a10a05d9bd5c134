#include "ui/EngineRelays.h"

#include <chrono>

namespace quorvex {

namespace {

// The slots of the values of which only the latest counts.
constexpr int kStatusSlot = 0;  // + field
constexpr int kFileStatusSlot = 10;
constexpr int kFileProgressSlot = 11;
constexpr int kJobStatusSlot = 12;
constexpr int kJobProgressSlot = 13;
constexpr int kTitleSlot = 14;
constexpr int kTrayTooltipSlot = 15;
constexpr int kStatisticsSlot = 20;  // + field

}  // namespace

void RelayedDisplay::SetStatusText(int field, const std::string& text) {
    calls_.PostLatest(kStatusSlot + field,
                      [this, field, text]() { window_->SetStatusText(field, text); });
}

void RelayedDisplay::SetFileStatus(const std::string& text) {
    calls_.PostLatest(kFileStatusSlot, [this, text]() { window_->SetFileStatus(text); });
}

void RelayedDisplay::SetFileProgress(int percent) {
    calls_.PostLatest(kFileProgressSlot, [this, percent]() { window_->SetFileProgress(percent); });
}

void RelayedDisplay::SetJobStatus(const std::string& text) {
    calls_.PostLatest(kJobStatusSlot, [this, text]() { window_->SetJobStatus(text); });
}

void RelayedDisplay::SetJobProgress(int percent) {
    calls_.PostLatest(kJobProgressSlot, [this, percent]() { window_->SetJobProgress(percent); });
}

void RelayedDisplay::SetStatisticsField(StatField field, const std::string& text) {
    calls_.PostLatest(kStatisticsSlot + static_cast<int>(field),
                      [this, field, text]() { window_->SetStatisticsField(field, text); });
}

void RelayedDisplay::RefreshStatisticsLabels() {
    calls_.Post([this]() { window_->RefreshStatisticsLabels(); });
}

void RelayedDisplay::SetWindowTitle(const std::string& title) {
    calls_.PostLatest(kTitleSlot, [this, title]() { window_->SetWindowTitle(title); });
}

void RelayedDisplay::AddTrayIcon(const std::string& tooltip) {
    calls_.Post([this, tooltip]() { window_->AddTrayIcon(tooltip); });
}

void RelayedDisplay::SetTrayTooltip(const std::string& tooltip) {
    calls_.PostLatest(kTrayTooltipSlot, [this, tooltip]() { window_->SetTrayTooltip(tooltip); });
}

void RelayedDisplay::RemoveTrayIcon() {
    calls_.Post([this]() { window_->RemoveTrayIcon(); });
}

void RelayedDisplay::ClearChangeTree() {
    calls_.Post([this]() { window_->ClearChangeTree(); });
}

void RelayedDisplay::AddChangeTreeNode(int level, const std::string& text) {
    calls_.Post([this, level, text]() { window_->AddChangeTreeNode(level, text); });
}

void RelayedDisplay::LockControls(bool locked) {
    calls_.Post([this, locked]() { window_->LockControls(locked); });
}

void RelayedDisplay::SetRunButtonLabels(const std::string& runLabel,
                                        const std::string& previewLabel) {
    calls_.Post(
        [this, runLabel, previewLabel]() { window_->SetRunButtonLabels(runLabel, previewLabel); });
}

void RelayedDisplay::ShowPage(int index) {
    calls_.Post([this, index]() { window_->ShowPage(index); });
}

void RelayedDisplay::ShowMainWindow(ShowState state) {
    calls_.Post([this, state]() { window_->ShowMainWindow(state); });
}

void RelayedDisplay::EnableAfterRun() {
    calls_.Post([this]() { window_->EnableAfterRun(); });
}

bool RelayedDisplay::ShowStatisticsWindow(const RunTotals& totals, bool preview,
                                          const std::string& logPath) {
    bool shown = false;
    calls_.Call([&]() { shown = window_->ShowStatisticsWindow(totals, preview, logPath); });
    return shown;
}

void RelayedDialogs::ShowMessage(const std::string& text, const std::string& title,
                                 MessageIcon icon) {
    calls_.Call([&]() { window_.ShowMessage(text, title, icon); });
}

bool RelayedDialogs::AskYesNo(const std::string& text, const std::string& title,
                              PresetAnswer preset) {
    bool yes = false;
    calls_.Call([&]() { yes = window_.AskYesNo(text, title, preset); });
    return yes;
}

std::string RelayedDialogs::AskText(const std::string& title, const std::string& prompt,
                                    const std::string& proposal) {
    std::string answer;
    calls_.Call([&]() { answer = window_.AskText(title, prompt, proposal); });
    return answer;
}

void RelayedPump::Deliver(PumpEvent event) {
    if (event == PumpEvent::None) {
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    event_ = event;
    delivered_.notify_all();
}

PumpEvent RelayedPump::PollOne() {
    std::lock_guard<std::mutex> lock(mutex_);
    const PumpEvent event = event_;
    event_ = PumpEvent::None;
    return event;
}

void RelayedPump::FlushAll() {
    calls_.Call([this]() { window_->FlushAll(); });
}

void RelayedPump::HoldPause() {
    calls_.Call([this]() { window_->HoldPause(); });
}

void RelayedPump::WaitForEvent(int milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    delivered_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                        [this]() { return event_ != PumpEvent::None; });
}

}  // namespace quorvex
