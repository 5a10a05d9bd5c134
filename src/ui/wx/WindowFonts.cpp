#include "ui/wx/WindowFonts.h"

#include <wx/fontenum.h>

namespace quorvex {

namespace {

wxString ProgramFace() {
    for (const char* face : {"Arial", "Liberation Sans"}) {
        if (wxFontEnumerator::IsValidFacename(face)) {
            return face;
        }
    }
    return wxString();
}

wxFont ProgramFont(const wxString& face, int points, bool bold) {
    wxFontInfo info(points);
    info.Bold(bold);
    if (face.empty()) {
        info.Family(wxFONTFAMILY_SWISS);
    } else {
        info.FaceName(face);
    }
    return wxFont(info);
}

}  // namespace

WindowFonts LoadWindowFonts() {
    const wxString face = ProgramFace();
    return {ProgramFont(face, 8, false), ProgramFont(face, 7, false), ProgramFont(face, 9, true)};
}

}  // namespace quorvex
