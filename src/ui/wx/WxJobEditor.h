#pragma once

#include "program/Program.h"
#include "ui/JobEditor.h"
#include "ui/wx/WindowFonts.h"

namespace quorvex {

class MainWindow;

// The job editor as a window of its own. While it is open the main window is disabled:
// its events are dispatched (it repaints) but it does not react.
class WxJobEditor : public JobEditor {
  public:
    WxJobEditor(Program& program, MainWindow& window, const WindowFonts& fonts)
        : program_(program), window_(window), fonts_(fonts) {}

    bool Open(const std::string& title) override;

  private:
    Program& program_;
    MainWindow& window_;
    const WindowFonts& fonts_;
};

}  // namespace quorvex
