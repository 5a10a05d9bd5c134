#include "ui/wx/StatisticsWindow.h"

#include <algorithm>

#include "ui/StatisticsRows.h"
#include "ui/wx/WxEventPump.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 420;
constexpr int kIdleWait = 50;

}  // namespace

StatisticsWindow::StatisticsWindow(wxWindow* owner, const RunTotals& totals, bool preview,
                                   std::function<void()> openLog) {
    if (!Create(owner, wxID_ANY, ToWx(StatisticsWindowTitle(preview)), wxDefaultPosition,
                wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, kWindowName)) {
        return;
    }
    const int width = FromDIP(kWidth);
    SetClientSize(width, FromDIP(kHeight));
    if (owner != nullptr) {
        SetFont(owner->GetFont());
    }
    table_ = new wxListCtrl(this, wxID_ANY, wxPoint(0, 0), FromDIP(wxSize(kWidth, kHeight - 30)),
                            wxLC_REPORT | wxLC_HRULES | wxLC_VRULES | wxLC_SINGLE_SEL);
    table_->AppendColumn(wxString(), wxLIST_FORMAT_LEFT, FromDIP(190));
    table_->AppendColumn(wxString(), wxLIST_FORMAT_LEFT, FromDIP(100));
    long row = 0;
    for (const StatisticsRow& line : BuildStatisticsRows(totals)) {
        table_->InsertItem(row, ToWx(line.label));
        table_->SetItem(row, 1, ToWx(line.value));
        ++row;
    }
    // Rows are taller with some toolkits; the window grows so that all of them show.
    wxRect lastRow;
    table_->GetItemRect(table_->GetItemCount() - 1, lastRow);
    const int tableHeight = std::max(FromDIP(kHeight - 30), lastRow.GetBottom() + FromDIP(4));
    table_->SetSize(width, tableHeight);
    const int height = tableHeight + FromDIP(30);
    SetClientSize(width, height);
    const int buttonTop = height - FromDIP(25);
    const wxSize buttonSize = FromDIP(wxSize(kWidth / 2 - 5, 20));
    openLog_ = new wxButton(this, wxID_ANY, ToWx("Log-Datei öffnen"), wxPoint(0, buttonTop),
                            buttonSize, wxBORDER_NONE);
    close_ = new wxButton(this, wxID_ANY, "Schliessen", wxPoint(FromDIP(kWidth / 2 + 5), buttonTop),
                          buttonSize, wxBORDER_NONE);
    openLog_->Bind(wxEVT_BUTTON, [openLog](wxCommandEvent&) { openLog(); });
    close_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { done_ = true; });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto()) {
            event.Veto();
        }
        done_ = true;
    });
    CentreOnScreen();
}

bool ShowStatisticsWindow(wxWindow* owner, WxEventPump& pump, const RunTotals& totals, bool preview,
                          const std::function<void()>& openLog) {
    auto* window = new StatisticsWindow(owner, totals, preview, openLog);
    if (window->Table() == nullptr) {
        window->Destroy();
        return false;
    }
    window->Show();
    pump.FlushAll();
    while (!window->Done()) {
        pump.DispatchOne(kIdleWait);
    }
    window->Destroy();
    pump.FlushAll();
    return true;
}

}  // namespace quorvex
