#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex::test {
namespace {

using namespace std::string_literals;

// The id of the window titled exactly title, polling the display for up to ten seconds;
// empty when none shows up.
std::string WaitForWindow(const std::string& title) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        const std::string found =
            RunProcess({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}).out;
        if (!found.empty()) {
            return found.substr(0, found.find('\n'));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return "";
}

// Presses Return in the box, as a user confirming it.
void Confirm(const std::string& window) {
    RunProcess({"xdotool", "windowfocus", "--sync", window, "key", "Return"});
}

struct EarlyMessageCase {
    std::vector<std::string> arguments;
    bool box;
    std::string errorLine;
    int exitStatus;
};

// Messages of the command line come before any window: on the terminal always, and as a
// box when a window was to come; a start meant to run without a window is never held up.
TEST(EarlyBoxesBinaryTest, CommandLineMessagesAreBoxesWhenAWindowWasToCome) {
    TempDir dir;
    MakeFolder(dir / "quelle");
    MakeFolder(dir / "ziel");
    const EarlyMessageCase cases[] = {
        {{"-bogus"}, true, "Quorvex: Unbekannter Befehl:\n-bogus\n", 2},
        {{"-nowin", "-exit", "-logdir", dir.path()},
         true,
         "Quorvex: Quell- oder Zielordner fehlt!\n",
         0},
        {{"-s", dir / "quelle", "-d", dir / "ziel", "-bogus", "-nowin"},
         false,
         "Quorvex: Unbekannter Befehl:\n-bogus\n",
         2},
    };
    for (const EarlyMessageCase& test : cases) {
        SCOPED_TRACE(test.arguments[0] + " " + test.arguments.back());
        ProcessOptions options = InFolder(dir.path());
        options.timeoutSeconds = 20;
        std::vector<std::string> command{QUORVEX_BINARY};
        command.insert(command.end(), test.arguments.begin(), test.arguments.end());
        StartedProcess program(command, options);
        if (test.box) {
            const std::string box = WaitForWindow("Quorvex");
            ASSERT_FALSE(box.empty()) << "no box";
            Confirm(box);
        }
        const ProcessResult result = program.Wait();
        EXPECT_EQ(result.exitStatus, test.exitStatus) << result.err;
        EXPECT_EQ(result.err, test.errorLine);
    }
}

// A fault in a window session ends with the report as a box, shown by the program started
// in place of the faulting one; the terminal keeps its report and the exit status is the
// fault's.
TEST(EarlyBoxesBinaryTest, AFaultInAWindowSessionShowsTheReportAsABox) {
    StartedProcess probe({QUORVEX_CRASH_PROBE, "-window", QUORVEX_BINARY, "divide"});
    const std::string box = WaitForWindow("Quorvex v2.5 -SYSTEMFEHLER");
    ASSERT_FALSE(box.empty()) << "no box";
    const std::string arguments = ReadFile("/proc/" + std::to_string(probe.pid()) + "/cmdline");
    Confirm(box);
    const ProcessResult result = probe.Wait();
    EXPECT_EQ(result.exitStatus, 1);
    const std::string prefix =
        "quorvex\0--show-system-error\0Fehler:\rAttempted division by zero"
        "\r\rAdresse:"s;
    ASSERT_EQ(arguments.compare(0, prefix.size(), prefix), 0) << arguments;
    const std::string shownAddress =
        arguments.substr(prefix.size(), arguments.size() - 1 - prefix.size());
    EXPECT_EQ(result.err,
              "Quorvex v2.5 -SYSTEMFEHLER: Fehler:\nAttempted division by zero\n\nAdresse:" +
                  shownAddress + "\n");
    // The faulting instruction lies in the function whose start the probe printed.
    EXPECT_GE(std::atoll(shownAddress.c_str()), std::atoll(result.out.c_str()));
}

}  // namespace
}  // namespace quorvex::test
