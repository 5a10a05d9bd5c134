#include <gtest/gtest.h>

#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex::test {
namespace {

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

}  // namespace
}  // namespace quorvex::test
