#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/BinaryCopy.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

// A hand-edited file that any save would rewrite: lower-case names, an unknown key,
// LF line ends.
const char* const kHandEditedIni =
    "[config]\nlogging=0\nMeinSchalter = 1\n[Job #1]\nTitle = eins\nSource = /a/\n";

class ConfigBinaryTest : public ::testing::Test {
  protected:
    ConfigBinaryTest() {
        program = test::CopyQuorvexBinaryInto(dir / "program/");
        test::WriteFile(IniPath(), kHandEditedIni);
        test::SetModificationTime(IniPath(), 1000000000);
        test::MakeFolder(dir / "work");
        test::MakeFolder(dir / "source");
        test::MakeFolder(dir / "target");
    }

    std::string IniPath() const { return dir / "program/Quorvex.ini"; }
    test::ProcessResult Run(const std::vector<std::string>& arguments) {
        std::vector<std::string> command{program};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return test::RunProcess(command, test::WithoutDisplay(test::InFolder(dir / "work")));
    }
    void ExpectIniUntouched() {
        EXPECT_EQ(test::ReadFile(IniPath()), kHandEditedIni);
        struct stat info {};
        stat(IniPath().c_str(), &info);
        EXPECT_EQ(info.st_mtime, 1000000000);
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(dir / "program")) {
            ++entries;
        }
        EXPECT_EQ(entries, 3u);  // program, window module, configuration; nothing left over
    }

    test::TempDir dir;
    std::string program;
};

TEST_F(ConfigBinaryTest, ACommandLineRunLeavesTheFileByteForByte) {
    const test::ProcessResult result =
        Run({"-s", dir / "source", "-d", dir / "target", "-nowin", "-debug"});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    ExpectIniUntouched();
    const std::string debug = test::ReadFile(dir / "work/Quorvex_DEBUG.log");
    EXPECT_EQ(debug.find("Keine INI-Datei"), std::string::npos);
    EXPECT_NE(debug.find("Programm beendet.\r\n------------------------------\r\n"),
              std::string::npos);
}

TEST_F(ConfigBinaryTest, DebugAloneEndsAtTheMissingWindowWithoutSaving) {
    const test::ProcessResult result = Run({"-debug"});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "Quorvex: Konnte Fenster nicht aufbauen!\n");
    ExpectIniUntouched();
    const std::string debug = test::ReadFile(dir / "work/Quorvex_DEBUG.log");
    EXPECT_NE(debug.find("Konnte Fenster nicht erstellen!"), std::string::npos);
    EXPECT_EQ(debug.find("Programm beendet."), std::string::npos);
}

TEST_F(ConfigBinaryTest, WithoutArgumentsTheFileIsReadButNotSavedWhenTheWindowFails) {
    const test::ProcessResult result = Run({});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "Quorvex: Konnte Fenster nicht aufbauen!\n");
    ExpectIniUntouched();
}

TEST_F(ConfigBinaryTest, WithoutItsWindowModuleTheProgramStillRunsUnattended) {
    std::filesystem::remove(dir / "program/quorvex-window.so");
    test::WriteFile(dir / "source/a.txt", "a");
    const test::ProcessResult run =
        Run({"-s", dir / "source", "-d", dir / "target", "-start", "-nowin"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(test::ReadFile(dir / "target/a.txt"), "a");

    // Asked for the window, it says so instead of failing in silence.
    test::ProcessOptions options = test::InFolder(dir / "work");
    options.environment.push_back("DISPLAY=:0");
    const test::ProcessResult window = test::RunProcess({program, "-debug"}, options);
    EXPECT_EQ(window.exitStatus, 2);
    EXPECT_EQ(window.err, "Quorvex: Konnte Fenster nicht aufbauen!\n");
    EXPECT_NE(test::ReadFile(dir / "work/Quorvex_DEBUG.log").find("Fenstermodul nicht geladen: "),
              std::string::npos);
}

TEST_F(ConfigBinaryTest, AnUnknownSwitchLeavesTheFileUntouched) {
    EXPECT_EQ(Run({"-gibtsnicht"}).exitStatus, 2);
    ExpectIniUntouched();
}

}  // namespace
}  // namespace quorvex
