#include "ui/wx/TabbedPages.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

namespace quorvex {

namespace {

constexpr int kTabPadding = 8;  // left and right of each label
constexpr int kRaise = 2;       // the selected tab stands this much higher

}  // namespace

TabbedPages::TabbedPages(wxWindow* parent, const wxPoint& position, const wxSize& size)
    : wxPanel(parent, wxID_ANY, parent->FromDIP(position), parent->FromDIP(size),
              wxTAB_TRAVERSAL | wxWANTS_CHARS) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    book_ = new wxSimplebook(this, wxID_ANY, FromDIP(wxPoint(2, kTabHeight + 1)),
                             FromDIP(wxSize(size.x - 4, size.y - kTabHeight - 3)));
    auto* blank = new wxPanel(book_);
    blank->Bind(wxEVT_PAINT, &TabbedPages::OnBlankPaint, this);
    book_->AddPage(blank, wxString(), true);
    Bind(wxEVT_PAINT, &TabbedPages::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &TabbedPages::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &TabbedPages::OnKey, this);
}

void TabbedPages::AddPage(const wxString& label, PageMaker make) {
    tabs_.push_back(Tab{label, std::move(make)});
    tabRects_.clear();
    if (selected_ < 0) {
        selected_ = 0;
    }
    Refresh(false);
}

wxWindow* TabbedPages::Page(int index) {
    Tab& tab = tabs_[static_cast<size_t>(index)];
    if (tab.page == nullptr) {
        tab.page = tab.make(book_);
        tab.bookIndex = book_->GetPageCount();
        book_->AddPage(tab.page, tab.label, false);
        if (index == selected_) {
            book_->ChangeSelection(tab.bookIndex);
        }
    }
    return tab.page;
}

void TabbedPages::SetSelection(int index) {
    if (index < 0 || index >= PageCount() || (index == selected_ && Built(index))) {
        return;
    }
    selected_ = index;
    ShowSelected();
}

void TabbedPages::ShowSelected() {
    Page(selected_);
    book_->ChangeSelection(tabs_[static_cast<size_t>(selected_)].bookIndex);
    Refresh(false);
    Update();
}

// Built after the paint, not in it: a page made while the toolkit draws would be laid
// out in the middle of the drawing.
void TabbedPages::OnBlankPaint(wxPaintEvent& event) {
    wxPaintDC dc(static_cast<wxWindow*>(event.GetEventObject()));
    if (!blankDrawn_ && selected_ >= 0) {
        blankDrawn_ = true;
        CallAfter([this]() { ShowSelected(); });
    }
}

bool TabbedPages::SetFont(const wxFont& font) {
    tabRects_.clear();
    return wxPanel::SetFont(font);
}

const std::vector<wxRect>& TabbedPages::TabRects() {
    if (tabRects_.size() == tabs_.size()) {
        return tabRects_;
    }
    tabRects_.clear();
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int raise = FromDIP(kRaise);
    int x = FromDIP(2);
    for (const Tab& tab : tabs_) {
        const int width = dc.GetTextExtent(tab.label).x + 2 * FromDIP(kTabPadding);
        tabRects_.emplace_back(x, raise, width, TabHeight() - raise);
        x += width;
    }
    return tabRects_;
}

void TabbedPages::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    dc.SetBackground(wxBrush(face));
    dc.Clear();
    const wxSize size = GetClientSize();
    const int tabHeight = TabHeight();

    // The page frame; its top line is interrupted under the selected tab.
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, tabHeight, size.x, size.y - tabHeight);
    // A run repaints the page below over and over; the tabs are drawn only when touched.
    if (GetUpdateRegion().Contains(wxRect(0, 0, size.x, tabHeight + 1)) != wxOutRegion) {
        DrawTabs(dc);
    }
    // The page area below the frame line.
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(1, tabHeight + 1, size.x - 2, size.y - tabHeight - 2);
}

void TabbedPages::DrawTabs(wxDC& dc) {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const wxColour dimmed = face.ChangeLightness(92);
    dc.SetFont(GetFont());
    const std::vector<wxRect>& rects = TabRects();
    const int selected = GetSelection();
    const int tabHeight = TabHeight();
    const int raise = FromDIP(kRaise);
    for (int index = 0; index < PageCount(); ++index) {
        wxRect tab = rects[static_cast<size_t>(index)];
        const bool isSelected = index == selected;
        if (isSelected) {
            tab.Inflate(raise, 0);
            tab.y -= raise;
            tab.height += raise;
        }
        dc.SetPen(wxPen(shadow));
        dc.SetBrush(wxBrush(isSelected ? face : dimmed));
        dc.DrawRoundedRectangle(tab.x, tab.y, tab.width, tab.height + 3, 2);
        if (isSelected) {
            dc.SetPen(wxPen(face));
            dc.DrawLine(tab.x + 1, tabHeight, tab.GetRight(), tabHeight);
            dc.SetPen(wxPen(shadow));
        } else {
            dc.DrawLine(tab.x, tabHeight, tab.GetRight() + 1, tabHeight);
        }
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
        const wxString& label = tabs_[static_cast<size_t>(index)].label;
        const wxSize text = dc.GetTextExtent(label);
        dc.DrawText(label, tab.x + (tab.width - text.x) / 2, tab.y + (tab.height - text.y) / 2 + 1);
    }
}

void TabbedPages::OnLeftDown(wxMouseEvent& event) {
    const std::vector<wxRect>& rects = TabRects();
    for (int index = 0; index < PageCount(); ++index) {
        if (rects[static_cast<size_t>(index)].Contains(event.GetPosition())) {
            SetSelection(index);
            SetFocus();
            return;
        }
    }
    event.Skip();
}

void TabbedPages::OnKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_LEFT && GetSelection() > 0) {
        SetSelection(GetSelection() - 1);
    } else if (key == WXK_RIGHT && GetSelection() + 1 < PageCount()) {
        SetSelection(GetSelection() + 1);
    } else {
        event.Skip();
    }
}

}  // namespace quorvex
