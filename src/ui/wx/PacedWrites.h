#pragma once

#include <wx/timer.h>

#include <functional>

namespace quorvex {

// Keeps a busy run from redrawing a control faster than anyone reads: the first change
// shows at once, the ones that follow within kInterval milliseconds when it is over. The
// write function shows what is wanted and answers whether anything changed.
class PacedWrites {
  public:
    PacedWrites(wxEvtHandler* owner, std::function<bool()> write);

    // Something new is wanted.
    void Request();
    // Shows what is wanted now, as at the end of a phase.
    void WriteNow();

    // Four times a second: enough to follow a run, while every redraw of the run's texts
    // costs the copying a few milliseconds.
    static constexpr int kInterval = 250;

  private:
    std::function<bool()> write_;
    wxTimer timer_;
};

}  // namespace quorvex
