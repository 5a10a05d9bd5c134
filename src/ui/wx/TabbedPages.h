#pragma once

#include <wx/panel.h>
#include <wx/simplebook.h>

#include <functional>
#include <vector>

namespace quorvex {

// A row of tabs above a stack of pages. The tabs are drawn here rather than by the
// native notebook so that all five labels fit the window's 380 pixels.
//
// A page is built when it is first drawn or asked for: a run started from the command
// line shows one of the five, and building the rest would cost the window's start more
// than the run's first thousand files. Until the selected page is built, the stack shows
// a blank one; the first page is built when that blank is first drawn, so a window that
// moves to another page before it is drawn never builds the first.
class TabbedPages : public wxPanel {
  public:
    // Makes the page in the given parent.
    using PageMaker = std::function<wxWindow*(wxWindow* parent)>;

    // Position and size in design pixels.
    TabbedPages(wxWindow* parent, const wxPoint& position, const wxSize& size);

    // The first page added is the one selected.
    void AddPage(const wxString& label, PageMaker make);
    // The page, built now if it was not yet.
    wxWindow* Page(int index);
    template <typename PageType>
    PageType& PageAs(int index) {
        return *static_cast<PageType*>(Page(index));
    }
    bool Built(int index) const { return tabs_[static_cast<size_t>(index)].page != nullptr; }
    void SetSelection(int index);
    int GetSelection() const { return selected_; }
    int PageCount() const { return static_cast<int>(tabs_.size()); }
    // The tabs are measured again with the new font.
    bool SetFont(const wxFont& font) override;

    static constexpr int kTabHeight = 22;  // design pixels

  private:
    struct Tab {
        wxString label;
        PageMaker make;
        wxWindow* page = nullptr;
        size_t bookIndex = 0;
    };

    void ShowSelected();
    void OnBlankPaint(wxPaintEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKey(wxKeyEvent& event);
    void DrawTabs(wxDC& dc);
    int TabHeight() const { return FromDIP(kTabHeight); }
    // Measured once per font and label set: a busy run repaints the pages often.
    const std::vector<wxRect>& TabRects();

    wxSimplebook* book_;
    bool blankDrawn_ = false;
    std::vector<Tab> tabs_;
    int selected_ = -1;
    std::vector<wxRect> tabRects_;
};

}  // namespace quorvex
