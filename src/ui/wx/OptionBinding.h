#pragma once

#include <wx/checkbox.h>

#include "ui/wx/WindowContext.h"

namespace quorvex {

// A box whose state goes straight into a yes/no setting; the debug trace, when given,
// ends in "Status: " and is followed by the new value.
void BindYesNo(WindowContext& context, wxCheckBox* box, YesNo Settings::*field, const char* trace);

}  // namespace quorvex
