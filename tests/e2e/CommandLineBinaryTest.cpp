#include <gtest/gtest.h>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::RunQuorvexBinary;

TEST(CommandLineBinaryTest, UnknownSwitchExitsWithTwoAndTellsWhy) {
    test::TempDir dir;
    const test::ProcessResult result =
        RunQuorvexBinary({"-s", dir.path(), "--nolog", "-start"}, test::InFolder(dir.path()));
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "Quorvex: Unbekannter Befehl:\n--nolog\n");
    EXPECT_EQ(result.out, "");
}

TEST(CommandLineBinaryTest, DebugSwitchWritesTheDebugLogInTheCurrentFolder) {
    test::TempDir dir;
    const test::ProcessResult result =
        RunQuorvexBinary({"-debug", "-x"}, test::InFolder(dir.path()));
    EXPECT_EQ(result.exitStatus, 2);
    const std::string debug = test::ReadFile(dir / "Quorvex_DEBUG.log");
    EXPECT_NE(debug.find("Programm geladen, Debug-Mode gestartet"), std::string::npos);
    EXPECT_NE(debug.find("Unbkannter Befehl: -x"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
