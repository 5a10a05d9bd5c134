#pragma once

#include <wx/font.h>

namespace quorvex {

// Arial 8 for every control, Arial 7 for the information text, Arial 9 bold for
// "START!" and captions. Where Arial is missing its metric twin Liberation Sans stands in.
struct WindowFonts {
    wxFont normal;
    wxFont small;
    wxFont caption;
};

WindowFonts LoadWindowFonts();

}  // namespace quorvex
