#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <thread>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex::test {
namespace {

// The seconds a countdown title shows, polling the display for up to ten seconds; -1
// when no window shows one.
int CountdownInTitle() {
    const std::regex countdown("Quorvex - ([0-9]+) Sek\\.\n");
    for (int attempt = 0; attempt < 50; ++attempt) {
        const ProcessResult found =
            RunProcess({"xdotool", "search", "--name", "^Quorvex - [0-9]+ Sek", "getwindowname"});
        std::smatch match;
        if (std::regex_match(found.out, match, countdown)) {
            return std::stoi(match[1]);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return -1;
}

// Processor time a process has used so far, in seconds.
double ProcessorSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), {});
    // The fields after the command name, which ends with the last ')'.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number >= 14) {
            ticks += std::stol(field);
        }
    }
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The real program on the display: the command-line job runs in the window and -exit ends
// the main loop after it.
TEST(BinaryWindowTest, AStartedJobRunsInTheWindowAndExitEndsTheProgram) {
    TempDir dir;
    MakeFolder(dir / "quelle");
    MakeFolder(dir / "ziel");
    WriteFile(dir / "quelle/a.txt", "eins");
    const ProcessResult result =
        RunQuorvexBinary({"-s", dir / "quelle", "-d", dir / "ziel", "-start", "-exit", "-debug",
                          "-logdir", dir.path()},
                         InFolder(dir.path()));
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(ReadFile(dir / "ziel/a.txt"), "eins");
    const std::string debug = ReadFile(dir / "Quorvex_DEBUG.log");
    for (const char* trace : {"Fenster erstellt", "Autostart!", "MainLoop", "Programm beendet."}) {
        EXPECT_NE(debug.find(trace), std::string::npos) << trace;
    }
    EXPECT_NE(ReadFile(dir / "Quorvex.log").find("MODUS: BATCH"), std::string::npos);
}

// The real program in long-term mode counts the seconds down in its title and sleeps
// between them.
TEST(BinaryWindowTest, LongTermCountsDownInTheTitleWhileIdle) {
    TempDir dir;
    MakeFolder(dir / "quelle");
    MakeFolder(dir / "ziel");
    StartedProcess program({QUORVEX_BINARY, "-l", "1", "-s", dir / "quelle", "-d", dir / "ziel",
                            "-logdir", dir.path()},
                           InFolder(dir.path()));
    const int first = CountdownInTitle();
    ASSERT_GE(first, 50) << "no countdown in the title";
    EXPECT_LE(first, 59);
    const double busyBefore = ProcessorSeconds(program.pid());
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const double busy = ProcessorSeconds(program.pid()) - busyBefore;
    const int later = CountdownInTitle();
    EXPECT_GE(first - later, 2);
    EXPECT_LE(first - later, 5);
    EXPECT_LT(busy, 0.15) << "the countdown keeps the processor busy";
}

}  // namespace
}  // namespace quorvex::test
