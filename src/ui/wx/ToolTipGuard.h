#pragma once

#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/modalhook.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <utility>
#include <vector>

namespace quorvex {

// Keeps the main window's tooltips off the windows opened over it (job editor, drives,
// statistics and pause windows, message boxes, file dialogs). While one of them is open
// the main window's controls carry no tooltip: one already drawn disappears at once and
// none comes up over the other window. They get their tooltips back when the last closes.
class ToolTipGuard : public wxEventFilter, public wxModalDialogHook {
  public:
    explicit ToolTipGuard(wxWindow& mainWindow);
    ~ToolTipGuard() override;
    ToolTipGuard(const ToolTipGuard&) = delete;
    ToolTipGuard& operator=(const ToolTipGuard&) = delete;

    int FilterEvent(wxEvent& event) override;

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

  private:
    bool OtherWindowOpen() const;
    void Update();
    void Suspend(wxWindow& window);
    void Restore();

    wxWindow& main_;
    int modalDepth_ = 0;
    bool suspended_ = false;
    std::vector<std::pair<wxWeakRef<wxWindow>, wxString>> kept_;
};

}  // namespace quorvex
