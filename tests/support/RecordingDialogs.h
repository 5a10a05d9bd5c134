#pragma once

#include <deque>
#include <string>
#include <vector>

#include "report/UserDialogs.h"

namespace quorvex::test {

// Records every message and answers questions from a script (No when it runs dry).
class RecordingDialogs : public UserDialogs {
  public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
    };
    struct TextRequest {
        std::string title;
        std::string prompt;
        std::string proposal;
    };

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    bool AskYesNo(const std::string& text, const std::string&,
                  PresetAnswer preset = PresetAnswer::Yes) override {
        questions.push_back(text);
        presets.push_back(preset);
        if (yesNoAnswers.empty()) {
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::string AskText(const std::string& title, const std::string& prompt,
                        const std::string& proposal) override {
        questions.push_back(prompt);
        textRequests.push_back({title, prompt, proposal});
        if (textAnswers.empty()) {
            return std::string();
        }
        std::string answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<PresetAnswer> presets;  // of each yes/no question, in order
    std::vector<TextRequest> textRequests;
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> textAnswers;
};

}  // namespace quorvex::test
