#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/Process.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

bool WaitFor(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (test::PathExists(path)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(RunExternalTest, StartsAnExecutableWithoutWaitingForIt) {
    test::TempDir dir;
    const std::string script = dir / "tool with blank.sh";
    test::WriteFile(script, "#!/bin/sh\nsleep 0.2\ntouch \"" + dir / "started" + "\"\n");
    chmod(script.c_str(), 0755);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(RunExternal(script));
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(150));
    EXPECT_TRUE(WaitFor(dir / "started"));
}

TEST(RunExternalTest, EmptyTargetStartsNothing) {
    EXPECT_FALSE(RunExternal(""));
}

}  // namespace
}  // namespace quorvex
