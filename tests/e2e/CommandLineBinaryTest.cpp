#include <gtest/gtest.h>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::RunQuorvexBinary;

// Without a display the terminal line is all; with one a box comes too.
TEST(CommandLineBinaryTest, UnknownSwitchExitsWithTwoAndTellsWhy) {
    test::TempDir dir;
    const test::ProcessResult result = RunQuorvexBinary(
        {"-s", dir.path(), "--nolog", "-start"}, test::WithoutDisplay(test::InFolder(dir.path())));
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "Quorvex: Unbekannter Befehl:\n--nolog\n");
    EXPECT_EQ(result.out, "");
}

TEST(CommandLineBinaryTest, DebugSwitchWritesTheDebugLogInTheCurrentFolder) {
    test::TempDir dir;
    const test::ProcessResult result =
        RunQuorvexBinary({"-debug", "-x"}, test::WithoutDisplay(test::InFolder(dir.path())));
    EXPECT_EQ(result.exitStatus, 2);
    const std::string debug = test::ReadFile(dir / "Quorvex_DEBUG.log");
    EXPECT_NE(debug.find("Programm geladen, Debug-Mode gestartet"), std::string::npos);
    EXPECT_NE(debug.find("Unbkannter Befehl: -x"), std::string::npos);
}

// Long-term mode needs the window: -nowin refuses it and ends, with the status of the run
// that -start made, or as refused without one.
TEST(CommandLineBinaryTest, LongTermWithoutWindowIsRefusedAfterTheStartedRun) {
    test::TempDir dir;
    test::MakeFolder(dir / "quelle");
    test::MakeFolder(dir / "ziel");
    test::WriteFile(dir / "quelle/a.txt", "eins");
    const std::vector<std::string> arguments{"-s", dir / "quelle", "-d",       dir / "ziel", "-l",
                                             "1",  "-logdir",      dir.path(), "-nowin"};
    const test::ProcessOptions options = test::WithoutDisplay(test::InFolder(dir.path()));
    const std::string refusal = "Quorvex: Dauerbetrieb ist ohne Fenster nicht möglich.\n";

    const test::ProcessResult alone = RunQuorvexBinary(arguments, options);
    EXPECT_EQ(alone.exitStatus, 2);
    EXPECT_EQ(alone.err, refusal);
    EXPECT_FALSE(test::PathExists(dir / "ziel/a.txt"));

    std::vector<std::string> started = arguments;
    started.push_back("-start");
    const test::ProcessResult afterRun = RunQuorvexBinary(started, options);
    EXPECT_EQ(afterRun.exitStatus, 0);
    EXPECT_EQ(afterRun.err, refusal);
    EXPECT_EQ(test::ReadFile(dir / "ziel/a.txt"), "eins");
}

}  // namespace
}  // namespace quorvex
