#pragma once

#include <wx/string.h>

#include <string>

namespace quorvex {

// The core's UTF-8 byte strings at the toolkit boundary; CR LF and lone CR become LF.
wxString ToWx(const std::string& text);
std::string FromWx(const wxString& text);

}  // namespace quorvex
