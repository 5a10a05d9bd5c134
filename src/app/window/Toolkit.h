#pragma once

namespace quorvex {

// The window toolkit for the life of the object. Without -nowin the program starts it
// before it builds the main window; -nowin never does, so unattended runs need no display.
class Toolkit {
  public:
    Toolkit() = default;
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // False when the toolkit cannot start, for example without a display. When it runs
    // already, its owner keeps it.
    bool Start();

  private:
    int argc_ = 1;
    char name_[8] = "quorvex";
    char* argv_[2] = {name_, nullptr};
    bool owner_ = false;
};

}  // namespace quorvex
