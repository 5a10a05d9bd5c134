#include "ui/EngineThread.h"

#include <chrono>

namespace quorvex {

EngineThread::EngineThread(Program& program, SyncDisplay* windowDisplay, EventPump* windowPump,
                           std::function<void()> wake, std::function<void()> work)
    : program_(program),
      windowDialogs_(program.dialogs),
      calls_(wake),
      display_(calls_, windowDisplay),
      dialogs_(calls_, *program.dialogs),
      pump_(calls_, windowPump),
      displayBefore_(program.display),
      pumpBefore_(program.pump) {
    program_.display = &display_;
    program_.dialogs = &dialogs_;
    program_.pump = &pump_;
    thread_ = std::thread([this, wake, work]() {
        try {
            work();
        } catch (...) {
            failure_ = std::current_exception();
        }
        ended_ = true;
        wake();
    });
}

EngineThread::~EngineThread() {
    if (!thread_.joinable()) {
        return;
    }
    // A run may go on for minutes: serve it often, without keeping a core busy.
    while (!ended_) {
        calls_.RunPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    JoinAndRestore(displayBefore_, pumpBefore_);
}

void EngineThread::Attach(SyncDisplay& windowDisplay, EventPump& windowPump) {
    display_.Attach(windowDisplay);
    pump_.Attach(windowPump);
}

void EngineThread::Serve(PumpEvent recorded) {
    calls_.RunPending();
    display_.NoteChangeListWanted();
    pump_.Deliver(recorded);
}

void EngineThread::Finish(SyncDisplay& windowDisplay, EventPump& windowPump) {
    JoinAndRestore(&windowDisplay, &windowPump);
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

void EngineThread::JoinAndRestore(SyncDisplay* display, EventPump* pump) {
    thread_.join();
    calls_.RunPending();
    program_.display = display;
    program_.dialogs = windowDialogs_;
    program_.pump = pump;
}

}  // namespace quorvex
