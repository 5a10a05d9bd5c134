#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>

#include <functional>
#include <string>

#include "program/JobStats.h"

namespace quorvex {

class WxEventPump;

// The totals of a run as a two-column table, with buttons to open the log and to close.
class StatisticsWindow : public wxDialog {
  public:
    StatisticsWindow(wxWindow* owner, const RunTotals& totals, bool preview,
                     std::function<void()> openLog);

    bool Done() const { return done_; }
    wxListCtrl* Table() { return table_; }
    wxButton* OpenLogButton() { return openLog_; }
    wxButton* CloseButton() { return close_; }

    static constexpr const char* kWindowName = "StatisticsWindow";

  private:
    wxListCtrl* table_ = nullptr;
    wxButton* openLog_ = nullptr;
    wxButton* close_ = nullptr;
    bool done_ = false;
};

// Shows the window and returns when it has been closed (close box or "Schliessen"); false
// when it could not be created. Events of other windows are dispatched meanwhile but not
// acted on.
bool ShowStatisticsWindow(wxWindow* owner, WxEventPump& pump, const RunTotals& totals, bool preview,
                          const std::function<void()>& openLog);

}  // namespace quorvex
