#pragma once

#include <cstdio>

#include "report/UserDialogs.h"

namespace quorvex {

// Dialogs without a display: messages go to stderr as "Quorvex: <text>"; a question is
// answered from the terminal when stdin is one, and with No otherwise.
class ConsoleDialogs : public UserDialogs {
  public:
    ConsoleDialogs(std::FILE* input = stdin, std::FILE* output = stderr)
        : input_(input), output_(output) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    // The terminal's answer is No unless typed otherwise, whatever the preset.
    bool AskYesNo(const std::string& text, const std::string& title,
                  PresetAnswer preset = PresetAnswer::Yes) override;
    std::string AskText(const std::string& title, const std::string& prompt,
                        const std::string& proposal) override;

  private:
    bool InputIsTerminal() const;
    bool ReadAnswer(std::string& answer);

    std::FILE* input_;
    std::FILE* output_;
};

}  // namespace quorvex
