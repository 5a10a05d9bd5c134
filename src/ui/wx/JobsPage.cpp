#include "ui/wx/JobsPage.h"

#include <wx/settings.h>

#include <algorithm>

#include "platform/TextFormat.h"
#include "ui/JobDetails.h"
#include "ui/JobListActions.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr const char* kListTip = "Liste aller Syncronisations-Jobs";
constexpr int kButtonHeight = 24;
constexpr int kListTop = RowTop(0) + kButtonHeight + 4;
constexpr int kListHeight = 90;
constexpr int kDetailsTop = kListTop + kListHeight + 4;
constexpr int kDetailsHeight = 120;

}  // namespace

JobsPage::JobsPage(wxWindow* parent, WindowContext& context) : wxPanel(parent), context_(context) {
    const int third = kPageWidth / 3;
    add_ = MakeButton(this, "Eintrag hinzufügen", "Syncronisations-Job hinzufügen", kPageLeft,
                      RowTop(0), third - 2, kButtonHeight);
    delete_ = MakeButton(this, "Eintrag löschen",
                         "Syncronisations-Job entfernen. Gedrückte SHIFT-Taste löscht komplete "
                         "Liste",
                         kPageLeft + third, RowTop(0), third - 2, kButtonHeight);
    edit_ = MakeButton(this, "Eintrag ändern", "Syncronisations-Job editieren",
                       kPageLeft + 2 * third, RowTop(0), third, kButtonHeight);

    list_ = new wxListCtrl(this, wxID_ANY, FromDIP(wxPoint(kPageLeft, kListTop)),
                           FromDIP(wxSize(kPageWidth, kListHeight)),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    list_->EnableCheckBoxes();
    list_->AppendColumn("Job-Titel", wxLIST_FORMAT_LEFT, FromDIP(220));
    list_->AppendColumn("Erfasst", wxLIST_FORMAT_LEFT, FromDIP(115));
    SetTip(list_, kListTip);
    normalText_ = list_->GetTextColour();
    normalBackground_ = list_->GetBackgroundColour();

    details_ =
        new wxTextCtrl(this, wxID_ANY, wxString(), FromDIP(wxPoint(kPageLeft, kDetailsTop)),
                       FromDIP(wxSize(kPageWidth, kDetailsHeight)), wxTE_MULTILINE | wxTE_READONLY);
    FitWholeRows();

    HandlerGate& gate = context_.gate;
    gate.Bind(add_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdd(); });
    gate.Bind(delete_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnDelete(); });
    gate.Bind(edit_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnEdit(); });
    BindListEvents();
    // Built when first shown, which may be long after the list was loaded.
    Redraw();
}

void JobsPage::BindListEvents() {
    HandlerGate& gate = context_.gate;
    const auto changed = [this](wxListEvent& event) {
        event.Skip();
        if (!redrawing_) {
            OnListChanged();
        }
    };
    for (const auto& type :
         {wxEVT_LIST_ITEM_SELECTED, wxEVT_LIST_ITEM_DESELECTED, wxEVT_LIST_ITEM_CHECKED,
          wxEVT_LIST_ITEM_UNCHECKED, wxEVT_LIST_KEY_DOWN}) {
        gate.Bind(list_, type, changed);
    }
    gate.Bind(list_, wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { OnActivated(); });
    // Space ticks the row as a click on its box does; only a double click opens the editor.
    // Taken at the key press: some toolkits' lists open a row on Space or Enter before
    // the typed character arrives.
    list_->Bind(wxEVT_KEY_DOWN, &JobsPage::OnKeyDown, this);
    // A double click on a row activates it; one on the empty part arrives here.
    list_->Bind(wxEVT_LEFT_DCLICK, &JobsPage::OnDoubleClick, this);
}

// The list keeps its height on the page but shows whole rows only: its height is cut to
// the header and as many rows of the font's height as fit, and the details below take
// the pixels left over.
void JobsPage::FitWholeRows() {
    list_->InsertItem(0, "Xg");
    wxRect row;
    list_->GetItemRect(0, row);
    list_->DeleteItem(0);
    if (row.height <= 0 || row.y <= 0) {
        return;
    }
    // Rows are measured in the screen's pixels, so the list and details are placed in those.
    const int frame = list_->GetSize().y - list_->GetClientSize().y;
    const int rows = std::max(1, (FromDIP(kListHeight) - frame - row.y) / row.height);
    const int height = frame + row.y + rows * row.height;
    const int width = FromDIP(kPageWidth);
    list_->SetSize(wxSize(width, height));
    const int detailsTop = FromDIP(kListTop + 4) + height;
    details_->SetSize(FromDIP(kPageLeft), detailsTop, width,
                      FromDIP(kDetailsTop + kDetailsHeight) - detailsTop);
}

JobEditor& JobsPage::Editor() {
    return *context_.services.jobEditor;
}

long JobsPage::SelectedRow() const {
    return list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

// A row selected by the program has no keyboard focus on every toolkit.
long JobsPage::KeyboardRow() const {
    const long focused = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED);
    return focused >= 0 ? focused : SelectedRow();
}

std::vector<std::uint8_t> JobsPage::RowStates() const {
    std::vector<std::uint8_t> states;
    const long selected = SelectedRow();
    for (long row = 0; row < list_->GetItemCount(); ++row) {
        const int ticked = list_->IsItemChecked(row) ? kJobTicked : 0;
        states.push_back(static_cast<std::uint8_t>(ticked + (row == selected ? kJobSelected : 0)));
    }
    return states;
}

void JobsPage::Redraw() {
    redrawing_ = true;
    selectedWhileLocked_ = -1;
    list_->DeleteAllItems();
    details_->Clear();
    JobList& jobs = context_.program.jobs;
    const std::string& mask = context_.program.settings.DateDisplayMask;
    jobs.ResetCursor();
    long row = 0;
    while (const SyncJob* job = jobs.Next()) {
        list_->InsertItem(row, ToWx(job->Title));
        list_->SetItem(row, 1, ToWx(FormatDate(mask, job->Created)));
        list_->CheckItem(row, job->IsActive());
        ++row;
    }
    redrawing_ = false;
}

void JobsPage::ShowRow(long row) {
    if (row < 0 || row >= list_->GetItemCount()) {
        return;
    }
    list_->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    list_->EnsureVisible(row);
    OnListChanged();
}

void JobsPage::Lock(bool locked) {
    for (wxWindow* control : {static_cast<wxWindow*>(add_), static_cast<wxWindow*>(delete_),
                              static_cast<wxWindow*>(edit_), static_cast<wxWindow*>(list_)}) {
        control->Enable(!locked);
    }
    ShowEnabled(!locked);
}

// The list paints its rows itself and keeps their colours when disabled; a locked list
// must not look as if it took clicks. The selected row would keep its selection colour,
// so it is unselected meanwhile, without telling the job list.
void JobsPage::ShowEnabled(bool enabled) {
    list_->SetTextColour(enabled ? normalText_
                                 : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    list_->SetBackgroundColour(enabled ? normalBackground_
                                       : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    redrawing_ = true;
    if (!enabled) {
        selectedWhileLocked_ = SelectedRow();
        if (selectedWhileLocked_ >= 0) {
            list_->SetItemState(selectedWhileLocked_, 0, wxLIST_STATE_SELECTED);
        }
    } else if (selectedWhileLocked_ >= 0 && selectedWhileLocked_ < list_->GetItemCount()) {
        list_->SetItemState(selectedWhileLocked_, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        selectedWhileLocked_ = -1;
    }
    redrawing_ = false;
    list_->Refresh();
}

void JobsPage::OnAdd() {
    context_.program.log.Debug("Button: AddJob");
    AddAndShow("Job hinzufügen");
}

// A job the editor kept is selected and scrolled into view, so that nobody adds it twice.
void JobsPage::AddAndShow(const std::string& title) {
    JobList& jobs = context_.program.jobs;
    const std::size_t before = jobs.Count();
    AddJob(jobs, Editor(), title);
    const long added = jobs.Count() > before ? jobs.CurrentPosition() : -1;
    Redraw();
    ShowRow(added);
}

void JobsPage::OnDelete() {
    context_.program.log.Debug("Button: DeleteJob");
    const bool shift = context_.services.shiftDown && context_.services.shiftDown();
    if (DeleteJobs(context_.program.jobs, *context_.program.dialogs, shift, SelectedRow())) {
        Redraw();
    }
}

void JobsPage::OnEdit() {
    context_.program.log.Debug("Button: EditBatch");
    const long row = SelectedRow();
    if (EditSelectedJob(context_.program.jobs, Editor(), *context_.program.dialogs, row)) {
        Redraw();
        ShowRow(row);
    }
}

void JobsPage::OnListChanged() {
    JobList& jobs = context_.program.jobs;
    TakeRowStates(jobs, RowStates());
    const long row = SelectedRow();
    if (row >= 0 && jobs.Select(static_cast<std::size_t>(row)) != nullptr) {
        details_->ChangeValue(
            ToWx(JobDetailsText(*jobs.Current(), context_.program.settings.DateDisplayMask)));
    } else {
        SetTip(list_, kListTip);
    }
}

void JobsPage::OnActivated() {
    const long row = SelectedRow();
    if (row < 0) {
        AddAndShow("Neuen Job hinzufügen");
        return;
    }
    EditSelectedJob(context_.program.jobs, Editor(), *context_.program.dialogs, row);
    Redraw();
    ShowRow(row);
}

void JobsPage::OnKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        return;
    }
    if (key != WXK_SPACE || event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    const long row = KeyboardRow();
    if (row >= 0 && context_.gate.Enter()) {
        list_->CheckItem(row, !list_->IsItemChecked(row));
        OnListChanged();
    }
}

void JobsPage::OnDoubleClick(wxMouseEvent& event) {
    event.Skip();
    int flags = 0;
    if (list_->HitTest(event.GetPosition(), flags) == wxNOT_FOUND && context_.gate.Enter()) {
        OnActivated();
    }
}

}  // namespace quorvex
