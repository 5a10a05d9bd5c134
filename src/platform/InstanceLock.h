#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

enum class LockResult {
    Acquired,  // the name was free and is now held by this process
    Taken,     // another running process holds the name
    Failed,    // the marker could not be made at all
};

// A named marker that a running instance holds for as long as it lives: a locked file
// in a per-user folder (a named mutex where the system has them). The lock goes away with the
// process, however it ends.
class InstanceLock {
  public:
    explicit InstanceLock(std::string folder) : folder_(std::move(folder)) {}
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to hold the marker called name (one at a time; a held one is kept on failure).
    LockResult Acquire(const std::string& name);
    const std::string& HeldName() const { return heldName_; }

  private:
    std::string folder_;
    std::string heldName_;
    std::intptr_t handle_ = -1;
};

// $XDG_RUNTIME_DIR, otherwise a private folder in /tmp made for this user; ends with the
// separator. Empty when no safe folder is available.
std::string InstanceLockFolder();

}  // namespace quorvex
