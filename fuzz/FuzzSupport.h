#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "report/LogSink.h"
#include "report/UserDialogs.h"

namespace quorvex::fuzz {

// Messages go nowhere; questions are answered No.
class SilentDialogs : public UserDialogs {
  public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    bool AskYesNo(const std::string&, const std::string&, PresetAnswer) override { return false; }
    std::string AskText(const std::string&, const std::string&, const std::string&) override {
        return std::string();
    }
};

// Lines go nowhere: the parsers log as they go, but the log is not what is fuzzed.
class SilentLog : public LogSink {
  public:
    void WriteLog(std::string_view) override {}
    void Debug(std::string_view) override {}
};

// A broken rule is a finding: the fuzzer keeps the input that led to it.
inline void Require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s\n", rule);
        std::abort();
    }
}

}  // namespace quorvex::fuzz
