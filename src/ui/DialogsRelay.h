#pragma once

#include "report/UserDialogs.h"

namespace quorvex {

// Passes message boxes on to whichever implementation is current: the terminal until the
// window toolkit runs, its windows from then on. The program holds the relay from its
// first step, before it knows whether a window will come.
class DialogsRelay : public UserDialogs {
  public:
    explicit DialogsRelay(UserDialogs& first) : current_(&first) {}

    void PassTo(UserDialogs& next) { current_ = &next; }

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        current_->ShowMessage(text, title, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& title,
                  PresetAnswer preset = PresetAnswer::Yes) override {
        return current_->AskYesNo(text, title, preset);
    }
    std::string AskText(const std::string& title, const std::string& prompt,
                        const std::string& proposal) override {
        return current_->AskText(title, prompt, proposal);
    }

  private:
    UserDialogs* current_;
};

}  // namespace quorvex
