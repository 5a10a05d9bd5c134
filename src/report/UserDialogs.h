#pragma once

#include <string>

namespace quorvex {

enum class MessageIcon { None = 0, Error = 0x10, Information = 0x40 };

// The button a question offers first: Enter takes it.
enum class PresetAnswer { Yes, No };

// Message boxes and questions. The window implementation shows dialogs; without a
// display they go to the terminal.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
    virtual bool AskYesNo(const std::string& text, const std::string& title,
                          PresetAnswer preset = PresetAnswer::Yes) = 0;
    // A one-line input; the empty text when cancelled.
    virtual std::string AskText(const std::string& title, const std::string& prompt,
                                const std::string& proposal) = 0;
};

// "\r\n" and a lone "\r" become "\n", as toolkits and terminals expect.
std::string ToDisplayLineBreaks(const std::string& text);

}  // namespace quorvex
