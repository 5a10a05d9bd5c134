#pragma once

#include <cstdint>

namespace quorvex {

// What a run may ask of the operating system around its work. Every request is
// fire-and-forget; tests put a recording fake in place of the real one.
class SystemActions {
  public:
    virtual ~SystemActions() = default;

    // Priority class 64 low, 32 normal, 128 high, 256 realtime. True when applied.
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
    bool SetProcessPriority(std::int32_t priorityClass) override;
    void LogOffUser() override;
    void PowerOffComputer() override;
};

}  // namespace quorvex
