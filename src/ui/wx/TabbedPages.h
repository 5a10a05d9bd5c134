#pragma once

#include <wx/panel.h>
#include <wx/simplebook.h>

#include <vector>

namespace quorvex {

// A row of tabs above a stack of pages. The tabs are drawn here rather than by the
// native notebook so that all five labels fit the window's 380 pixels.
class TabbedPages : public wxPanel {
  public:
    // Position and size in design pixels.
    TabbedPages(wxWindow* parent, const wxPoint& position, const wxSize& size);

    // The parent for new pages.
    wxWindow* PageParent() { return book_; }
    void AddPage(wxWindow* page, const wxString& label);
    void SetSelection(int index);
    int GetSelection() const { return book_->GetSelection(); }
    int PageCount() const { return static_cast<int>(labels_.size()); }
    // The tabs are measured again with the new font.
    bool SetFont(const wxFont& font) override;

    static constexpr int kTabHeight = 22;  // design pixels

  private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKey(wxKeyEvent& event);
    void DrawTabs(wxDC& dc);
    int TabHeight() const { return FromDIP(kTabHeight); }
    // Measured once per font and label set: a busy run repaints the pages often.
    const std::vector<wxRect>& TabRects();

    wxSimplebook* book_;
    std::vector<wxString> labels_;
    std::vector<wxRect> tabRects_;
};

}  // namespace quorvex
