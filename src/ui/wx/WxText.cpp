#include "ui/wx/WxText.h"

#include "report/UserDialogs.h"

namespace quorvex {

wxString ToWx(const std::string& text) {
    return wxString::FromUTF8(ToDisplayLineBreaks(text));
}

std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer bytes = text.utf8_str();
    return std::string(bytes.data(), bytes.length());
}

}  // namespace quorvex
