#pragma once

#include <cstdint>
#include <optional>

namespace quorvex {

// What a run may ask of the operating system around its work. Every request is
// fire-and-forget; tests put a recording fake in place of the real one.
class SystemActions {
  public:
    virtual ~SystemActions() = default;

    // Priority class 64 low, 32 normal, 128 high, 256 realtime. True when applied in full;
    // normal after another class undoes that class's change.
    virtual bool SetProcessPriority(std::int32_t priorityClass) = 0;
    virtual void LogOffUser() = 0;
    virtual void PowerOffComputer() = 0;
};

class NullSystemActions : public SystemActions {
  public:
    bool SetProcessPriority(std::int32_t) override { return true; }
    void LogOffUser() override {}
    void PowerOffComputer() override {}
};

// The running system's own requests.
class OperatingSystemActions : public SystemActions {
  public:
    // The priority of the calling thread, which runs the jobs. Low also puts its disk
    // accesses in the idle class. A change the thread could not take back later is not
    // made (an unprivileged thread may not lower its nice value again): the request then
    // reports false and the session keeps its speed.
    bool SetProcessPriority(std::int32_t priorityClass) override;
    void LogOffUser() override;
    void PowerOffComputer() override;

  private:
    bool RestorePriority();

    // The thread's priority before the first change, for the return to normal.
    std::optional<int> niceBefore_;
    std::optional<int> ioPriorityBefore_;
};

}  // namespace quorvex
