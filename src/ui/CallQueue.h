#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace quorvex {

// Calls from a worker thread to the thread that owns the window, run there in the order
// they were made whenever that thread serves the queue. The owner is the thread that
// built the queue.
class CallQueue {
  public:
    // wake: tells the owner, from any thread, that a call waits.
    explicit CallQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

    // Runs the call later, in order with the others.
    void Post(std::function<void()> call);
    // A call whose effect the next one of the same slot replaces (a text, a percentage):
    // only the last one before the next ordered call runs, and the owner is not woken for
    // it. The owner serves often enough to show it.
    void PostLatest(int slot, std::function<void()> call);
    // Runs the call and waits for it; on the owner's thread it runs at once, after what
    // is queued.
    void Call(const std::function<void()>& call);

    // On the owner's thread: runs everything posted so far.
    void RunPending();

  private:
    void QueueLatestLocked();

    std::function<void()> wake_;
    const std::thread::id owner_ = std::this_thread::get_id();
    std::mutex mutex_;
    std::condition_variable callDone_;
    std::deque<std::function<void()>> calls_;
    std::map<int, std::function<void()>> latest_;
};

}  // namespace quorvex
