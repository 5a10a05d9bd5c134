#include <signal.h>

#include <atomic>
#include <csignal>

#include "platform/TerminationSignals.h"

namespace quorvex {

namespace {

constexpr int kTerminationSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kSignalCount = sizeof kTerminationSignals / sizeof kTerminationSignals[0];

// A handler can only reach static storage; this flag is all it touches. A lock-free
// atomic, because the run that tests it may work on another thread than the handler's.
std::atomic<int> terminationRequested{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void NoteTermination(int) {
    terminationRequested = 1;
}

bool Ignored(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_IGN;
}

}  // namespace

class TerminationSignals::Previous {
  public:
    struct sigaction actions[kSignalCount] = {};
    bool replaced[kSignalCount] = {};
};

TerminationSignals::TerminationSignals() : previous_(std::make_unique<Previous>()) {
    terminationRequested = 0;
    struct sigaction noting {};
    noting.sa_handler = NoteTermination;
    sigemptyset(&noting.sa_mask);
    // Interrupted system calls go on: the run ends at its next abort test, not with a
    // spurious read or write error.
    noting.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        struct sigaction& previous = previous_->actions[i];
        if (sigaction(kTerminationSignals[i], nullptr, &previous) != 0 || Ignored(previous)) {
            continue;
        }
        previous_->replaced[i] = sigaction(kTerminationSignals[i], &noting, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    Restore();
}

bool TerminationSignals::Restore() {
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        if (previous_->replaced[i]) {
            sigaction(kTerminationSignals[i], &previous_->actions[i], nullptr);
            previous_->replaced[i] = false;
        }
    }
    const bool requested = terminationRequested != 0;
    terminationRequested = 0;
    return requested;
}

bool TerminationRequested() {
    return terminationRequested != 0;
}

}  // namespace quorvex
