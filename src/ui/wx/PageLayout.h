#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>

namespace quorvex {

// The windows are laid out in design pixels, the pixels of a screen at 96 DPI: positions and
// sizes passed between the layout code are design pixels, and each control gets them scaled
// by FromDIP to the pixels of its screen where it is made. The Make helpers take design
// pixels.

// Geometry shared by the pages of the main window (page coordinates).
constexpr int kPageLeft = 6;
constexpr int kPageWidth = 364;
constexpr int kPageRight = kPageLeft + kPageWidth;
constexpr int kRowStep = 22;
constexpr int kRowHeight = 20;
constexpr int kFieldWidth = 100;
constexpr int kDotsWidth = 40;
constexpr int kHalfWidth = kPageWidth / 2;

constexpr int RowTop(int row) {
    return 6 + row * kRowStep;
}

void SetTip(wxWindow* control, const char* tooltip);

wxCheckBox* MakeCheckBox(wxWindow* parent, const char* label, const char* tooltip, int x, int y,
                         int width, bool ticked);
wxButton* MakeButton(wxWindow* parent, const char* label, const char* tooltip, int x, int y,
                     int width, int height, wxWindowID id = wxID_ANY);
wxStaticText* MakeLabel(wxWindow* parent, const char* label, int x, int y, int width);
wxTextCtrl* MakeField(wxWindow* parent, const std::string& text, const char* tooltip, int x, int y,
                      int width, long style = wxTE_RIGHT);

}  // namespace quorvex
