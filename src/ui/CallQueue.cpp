#include "ui/CallQueue.h"

namespace quorvex {

void CallQueue::QueueLatestLocked() {
    for (auto& entry : latest_) {
        calls_.push_back(std::move(entry.second));
    }
    latest_.clear();
}

void CallQueue::Post(std::function<void()> call) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        QueueLatestLocked();
        calls_.push_back(std::move(call));
    }
    wake_();
}

void CallQueue::PostLatest(int slot, std::function<void()> call) {
    std::lock_guard<std::mutex> lock(mutex_);
    latest_[slot] = std::move(call);
}

void CallQueue::Call(const std::function<void()>& call) {
    if (std::this_thread::get_id() == owner_) {
        RunPending();
        call();
        return;
    }
    bool done = false;
    std::unique_lock<std::mutex> lock(mutex_);
    QueueLatestLocked();
    calls_.push_back([this, &call, &done]() {
        call();
        std::lock_guard<std::mutex> doneLock(mutex_);
        done = true;
        callDone_.notify_all();
    });
    lock.unlock();
    wake_();
    lock.lock();
    callDone_.wait(lock, [&done]() { return done; });
}

void CallQueue::RunPending() {
    std::deque<std::function<void()>> calls;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        QueueLatestLocked();
        calls.swap(calls_);
    }
    for (const std::function<void()>& call : calls) {
        call();
    }
}

}  // namespace quorvex
