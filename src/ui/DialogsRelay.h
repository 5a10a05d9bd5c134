#pragma once

#include <string>
#include <vector>

#include "report/UserDialogs.h"

namespace quorvex {

// Passes message boxes on to whichever implementation is current: the terminal until the
// window toolkit runs, its windows from then on. The program holds the relay from its
// first step, before it knows whether a window will come.
class DialogsRelay : public UserDialogs {
  public:
    explicit DialogsRelay(UserDialogs& first) : current_(&first) {}

    void PassTo(UserDialogs& next) {
        current_ = &next;
        passed_ = true;
    }
    // The messages shown on the terminal before the hand-over, shown again in next: a
    // user who started the program from the desktop never sees the terminal.
    void RepeatEarlyMessagesIn(UserDialogs& next) const {
        for (const EarlyMessage& message : early_) {
            next.ShowMessage(message.text, message.title, message.icon);
        }
    }

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        if (!passed_) {
            early_.push_back({text, title, icon});
        }
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
    struct EarlyMessage {
        std::string text;
        std::string title;
        MessageIcon icon;
    };

    UserDialogs* current_;
    bool passed_ = false;
    std::vector<EarlyMessage> early_;
};

}  // namespace quorvex
