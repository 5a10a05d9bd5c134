#include "ui/wx/OptionBinding.h"

#include <string>

namespace quorvex {

void BindYesNo(WindowContext& context, wxCheckBox* box, YesNo Settings::*field, const char* trace) {
    context.gate.Bind(box, wxEVT_CHECKBOX, [&context, box, field, trace](wxCommandEvent&) {
        Settings& settings = context.program.settings;
        settings.*field = box->GetValue() ? 1 : 0;
        if (trace != nullptr) {
            context.program.log.Debug(std::string(trace) + std::to_string(settings.*field));
        }
    });
}

}  // namespace quorvex
