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

// Answered before anything else: no configuration read or written, no debug log, no lock,
// no window (the display is gone).
TEST(CommandLineBinaryTest, HelpAndVersionAnswerOnStdoutAndEndAtOnce) {
    test::TempDir dir;
    const test::ProcessOptions options = test::WithoutDisplay(test::InFolder(dir.path()));
    const test::ProcessResult version = RunQuorvexBinary({"--version", "-debug"}, options);
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "Quorvex v2.5\n");
    EXPECT_EQ(version.err, "");

    const test::ProcessResult help = RunQuorvexBinary({"--HELP"}, options);
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Quorvex v2.5\n\n### KOMMANDO-ZEILEN-PARAMETER:\n-s [DIR] = ", 0), 0u)
        << help.out;
    EXPECT_NE(help.out.find("\n-nowin = Keine Fenster"), std::string::npos);
    EXPECT_EQ(
        help.out.size() - help.out.rfind("\n-noexistcheck = "),
        std::string("\n-noexistcheck = Beim Vergleich wird nicht auf Existenz geprüft\n").size());
    EXPECT_EQ(help.out.find('\r'), std::string::npos);
    EXPECT_EQ(test::ListedNames(dir.path()), "");

    const test::ProcessResult later = RunQuorvexBinary({"-nolog", "--help"}, options);
    EXPECT_EQ(later.exitStatus, 2);
    EXPECT_EQ(later.err, "Quorvex: Unbekannter Befehl:\n--help\n");

    const test::ProcessResult tool = test::RunProcess({QUORVEX_PASSWORD_TOOL, "--help"});
    EXPECT_EQ(tool.exitStatus, 0);
    EXPECT_EQ(tool.out.rfind("usage: quorvex-password PROGRAM PASSWORD\n", 0), 0u) << tool.out;
    EXPECT_EQ(tool.err, "");
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
