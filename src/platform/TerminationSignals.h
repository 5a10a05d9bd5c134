#pragma once

#include <memory>

namespace quorvex {

// While a guard lives, the requests to end the process (Ctrl-C, a closed terminal, `kill`,
// `timeout`, a service stop) only raise a flag, which the run's abort tests turn into an
// abort: the run then removes its temporary file and writes its log, as after ESC. A
// request that was ignored before the guard (nohup, a background job) stays ignored. The
// guard's end restores the previous handling.
class TerminationSignals {
  public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Puts the previous handling back and tells whether a request came meanwhile; read
    // only after the handling is back, so none goes unnoticed. The destructor restores a
    // guard that was not restored yet.
    bool Restore();

  private:
    class Previous;
    std::unique_ptr<Previous> previous_;
};

// Whether such a request came while the current guard lives; false without a guard.
bool TerminationRequested();

}  // namespace quorvex
