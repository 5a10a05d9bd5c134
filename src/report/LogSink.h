#pragma once

#include <string_view>

namespace quorvex {

// Where the layers below the program record what they do; the program's run log is the
// one implementation, so settings and the command line can log before it exists for them.
class LogSink {
  public:
    virtual ~LogSink() = default;

    // A line for the run log (and the debug log while that is on).
    virtual void WriteLog(std::string_view text) = 0;
    // A trace for the debug log only.
    virtual void Debug(std::string_view text) = 0;
};

}  // namespace quorvex
