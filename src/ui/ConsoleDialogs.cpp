#include "ui/ConsoleDialogs.h"

#include "platform/Console.h"

namespace quorvex {

void ConsoleDialogs::ShowMessage(const std::string& text, const std::string&, MessageIcon) {
    std::fprintf(output_, "Quorvex: %s\n", ToDisplayLineBreaks(text).c_str());
    std::fflush(output_);
}

bool ConsoleDialogs::InputIsTerminal() const {
    return IsTerminal(input_);
}

bool ConsoleDialogs::ReadAnswer(std::string& answer) {
    answer.clear();
    int c;
    while ((c = std::fgetc(input_)) != EOF && c != '\n') {
        answer += static_cast<char>(c);
    }
    return c != EOF || !answer.empty();
}

bool ConsoleDialogs::AskYesNo(const std::string& text, const std::string&, PresetAnswer) {
    std::fprintf(output_, "Quorvex: %s [j/N] ", ToDisplayLineBreaks(text).c_str());
    std::fflush(output_);
    if (!InputIsTerminal()) {
        std::fprintf(output_, "N\n");
        return false;
    }
    std::string answer;
    ReadAnswer(answer);
    return !answer.empty() &&
           (answer[0] == 'j' || answer[0] == 'J' || answer[0] == 'y' || answer[0] == 'Y');
}

std::string ConsoleDialogs::AskText(const std::string& title, const std::string& prompt,
                                    const std::string& proposal) {
    std::fprintf(output_, "%s\n%s: ", ToDisplayLineBreaks(title).c_str(),
                 ToDisplayLineBreaks(prompt).c_str());
    std::fflush(output_);
    if (!InputIsTerminal()) {
        return std::string();
    }
    std::string answer;
    if (!ReadAnswer(answer)) {
        return std::string();
    }
    return answer.empty() ? proposal : answer;
}

}  // namespace quorvex
