#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

#include "program/Program.h"
#include "ui/CallQueue.h"
#include "ui/EngineRelays.h"

namespace quorvex {

// Work of the engine, such as a run, on its own thread. Until it has finished, the
// program's display, dialogs and pump are relays, which the window's thread serves.
class EngineThread {
  public:
    // The window's display and pump may come after the start, by Attach; wake tells the
    // window's thread, from any thread, that the work wants it.
    EngineThread(Program& program, SyncDisplay* windowDisplay, EventPump* windowPump,
                 std::function<void()> wake, std::function<void()> work);
    // Without Finish (the window's thread failed meanwhile): lets the work end, with
    // what it asks answered as it comes, and puts the program's own back.
    ~EngineThread();
    EngineThread(const EngineThread&) = delete;
    EngineThread& operator=(const EngineThread&) = delete;

    // On the window's thread, before it first serves.
    void Attach(SyncDisplay& windowDisplay, EventPump& windowPump);
    bool Ended() const { return ended_; }
    // On the window's thread: runs what the work asked for and hands it the event the
    // window's handlers recorded.
    void Serve(PumpEvent recorded);
    // On the window's thread, once Ended: the program writes to the window's display and
    // pump again; a failure of the work comes back as it was thrown.
    void Finish(SyncDisplay& windowDisplay, EventPump& windowPump);

  private:
    // Runs what the work asked for last and puts display and pump in the program.
    void JoinAndRestore(SyncDisplay* display, EventPump* pump);

    Program& program_;
    UserDialogs* const windowDialogs_;
    CallQueue calls_;
    RelayedDisplay display_;
    RelayedDialogs dialogs_;
    RelayedPump pump_;
    std::atomic<bool> ended_{false};
    std::exception_ptr failure_;
    SyncDisplay* const displayBefore_;
    EventPump* const pumpBefore_;
    std::thread thread_;
};

}  // namespace quorvex
