#pragma once

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/wx/WindowContext.h"

namespace quorvex {

// Page "1. Jobs": the job list with its three buttons and the details of the selected job.
class JobsPage : public wxPanel {
  public:
    JobsPage(wxWindow* parent, WindowContext& context);

    // Rebuilds the rows from the job list: no row selected, the last job current.
    void Redraw();
    // Selects a row, scrolls it into view and shows its details.
    void ShowRow(long row);
    void Lock(bool locked);

    wxListCtrl* List() { return list_; }
    wxTextCtrl* Details() { return details_; }
    wxButton* AddButton() { return add_; }
    wxButton* DeleteButton() { return delete_; }
    wxButton* EditButton() { return edit_; }

  private:
    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnListChanged();
    void OnDoubleClick(wxMouseEvent& event);
    void OnActivated();
    void OnKeyDown(wxKeyEvent& event);
    void AddAndShow(const std::string& title);
    void BindListEvents();
    void FitWholeRows();
    void ShowEnabled(bool enabled);

    long SelectedRow() const;
    // The row Space ticks: the focused one, else the selected one.
    long KeyboardRow() const;
    std::vector<std::uint8_t> RowStates() const;
    JobEditor& Editor();

    WindowContext& context_;
    wxButton* add_;
    wxButton* delete_;
    wxButton* edit_;
    wxListCtrl* list_;
    wxTextCtrl* details_;
    wxColour normalText_;
    wxColour normalBackground_;
    bool redrawing_ = false;
    long selectedWhileLocked_ = -1;
};

}  // namespace quorvex
