#include "app/InfoSwitches.h"

#include "config/HelpText.h"
#include "config/ProductInfo.h"
#include "platform/TextCase.h"
#include "report/UserDialogs.h"

namespace quorvex {

bool AnswerInfoSwitch(const std::vector<std::string>& arguments, std::FILE* out) {
    if (arguments.empty()) {
        return false;
    }
    // Switches ignore case, these two as well.
    const std::string first = LowerCaseLatin1(arguments.front());
    std::string text;
    if (first == "--help") {
        text = std::string(kProductTitle) + "\n\n" + ToDisplayLineBreaks(SwitchHelp());
    } else if (first == "--version") {
        text = std::string(kProductTitle) + "\n";
    } else {
        return false;
    }
    std::fputs(text.c_str(), out);
    std::fflush(out);
    return true;
}

}  // namespace quorvex
