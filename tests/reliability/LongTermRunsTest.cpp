// Long-term mode left alone for a long time: a thousand runs on the fake clock.

#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "run/LongTermLoop.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"

namespace quorvex {
namespace {

long ResidentPages() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident;
}

int OpenDescriptors() {
    DIR* folder = opendir("/proc/self/fd");
    int count = 0;
    while (readdir(folder) != nullptr) {
        ++count;
    }
    closedir(folder);
    return count;
}

// Tells when a run starts and keeps nothing, so that the display itself does not grow.
class RunStarts : public NullSyncDisplay {
  public:
    void SetWindowTitle(const std::string& title) override {
        if (title == "Quorvex v2.5 - läuft") {
            onRun(++runs);
        }
    }

    std::function<void(int)> onRun;
    int runs = 0;
};

TEST(LongTermRunsTest, AThousandRunsLeaveMemoryFlatAndNoFileOpen) {
    test::TempDir dir;
    const std::string source = dir / "quelle/";
    test::MakeFolder(source);
    test::MakeFolder(dir / "ziel/");
    test::WriteFile(source + "fest.txt", "bleibt");
    test::TestProgram test(true);
    Program& program = test.program;
    program.settings.LogfileDir = dir / "";
    program.settings.LongTerm = 1;
    test.AddJob(source, dir / "ziel/").DeleteFiles = 1;

    RunStarts display;
    program.display = &display;
    long afterTen = 0;
    long afterThousand = 0;
    // Every run has a changed file to copy and a surplus one to delete.
    display.onRun = [&](int runs) {
        test::WriteFile(source + "wechselt.txt", std::to_string(runs));
        test::SetModificationTime(source + "wechselt.txt", 1700000000 + runs * 60);
        test::WriteFile(dir / "ziel/alt.txt", "weg");
        if (runs == 11) {
            afterTen = ResidentPages();
        } else if (runs == 1001) {
            afterThousand = ResidentPages();
        }
    };
    test.pump.At([&display](int) { return display.runs > 1000; }, PumpEvent::EscapeKey);
    const int descriptors = OpenDescriptors();

    EXPECT_EQ(LongTermLoop(program, "1"), LongTermEnd::Ended);

    EXPECT_EQ(display.runs, 1001);
    EXPECT_EQ(test::ReadFile(dir / "ziel/wechselt.txt"), "1000");
    ASSERT_GT(afterTen, 0);
    // AddressSanitizer holds freed memory back to catch late use, so resident size grows
    // there by design; its leak checker watches that build instead.
    if (!QUORVEX_SANITIZED) {
        EXPECT_LE(afterThousand, afterTen + afterTen / 20);
    }
    EXPECT_EQ(OpenDescriptors(), descriptors);
}

}  // namespace
}  // namespace quorvex
