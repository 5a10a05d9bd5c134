#pragma once

#include <wx/window.h>

#include "report/UserDialogs.h"

namespace quorvex {

// Message boxes as windows while the toolkit runs; before that, and without a display,
// everything goes to the fallback (the terminal).
class WxUserDialogs : public UserDialogs {
  public:
    explicit WxUserDialogs(UserDialogs& fallback) : fallback_(fallback) {}

    // From now on dialogs are windows, centred on the parent when there is one.
    void UseWindows(wxWindow* parent);
    void UseFallback();

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& title,
                  PresetAnswer preset = PresetAnswer::Yes) override;
    std::string AskText(const std::string& title, const std::string& prompt,
                        const std::string& proposal) override;

  private:
    wxWindow* Parent() const;

    UserDialogs& fallback_;
    bool windows_ = false;
    wxWindow* parent_ = nullptr;
};

}  // namespace quorvex
