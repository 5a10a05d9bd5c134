#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/WindowFront.h"
#include "platform/Paths.h"
#include "platform/SharedModule.h"
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
        programFolderBefore = ProgramFolderNames();
    }

    std::string IniPath() const { return dir / "program/Quorvex.ini"; }
    test::ProcessResult Run(const std::vector<std::string>& arguments) {
        std::vector<std::string> command{program};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return test::RunProcess(command, test::WithoutDisplay(test::InFolder(dir / "work")));
    }
    void ExpectIniUntouched() {
        EXPECT_EQ(test::ReadFile(IniPath()), kHandEditedIni);
        EXPECT_EQ(test::ModificationTime(IniPath()), 1000000000);
        EXPECT_EQ(ProgramFolderNames(), programFolderBefore);  // nothing left over
    }
    // Without a display the window half gives up; a build without it names the module it
    // looked for beside the program.
    std::string WindowFailure() const {
        const std::string folder = std::filesystem::canonical(dir / "program").string();
        const std::string missing = test::ProgramHasWindowHalf()
                                        ? ""
                                        : "Quorvex: Fenstermodul nicht gefunden: " + folder +
                                              kPathSeparator + ModuleFileName(kWindowModuleName) +
                                              "\n";
        return missing + "Quorvex: Konnte Fenster nicht aufbauen!\n";
    }
    std::set<std::string> ProgramFolderNames() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir / "program")) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    test::TempDir dir;
    std::string program;
    std::set<std::string> programFolderBefore;
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
    EXPECT_EQ(result.err, WindowFailure());
    ExpectIniUntouched();
    const std::string debug = test::ReadFile(dir / "work/Quorvex_DEBUG.log");
    EXPECT_NE(debug.find("Konnte Fenster nicht erstellen!"), std::string::npos);
    EXPECT_EQ(debug.find("Programm beendet."), std::string::npos);
}

TEST_F(ConfigBinaryTest, WithoutArgumentsTheFileIsReadButNotSavedWhenTheWindowFails) {
    const test::ProcessResult result = Run({});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, WindowFailure());
    ExpectIniUntouched();
}

TEST_F(ConfigBinaryTest, WithoutItsWindowModuleTheProgramStillRunsUnattended) {
    if (!test::ProgramHasWindowModule()) {
        GTEST_SKIP() << "This build has no window module beside the program.";
    }
    const std::string module =
        std::filesystem::canonical(dir / "program").string() + "/quorvex-window.so";
    std::filesystem::remove(module);
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
    EXPECT_EQ(window.err, "Quorvex: Fenstermodul nicht gefunden: " + module +
                              "\nQuorvex: Konnte Fenster nicht aufbauen!\n");
    EXPECT_NE(test::ReadFile(dir / "work/Quorvex_DEBUG.log").find("Fenstermodul nicht geladen: "),
              std::string::npos);

    // A module that is there but broken is not called missing.
    test::WriteFile(module, "kein Modul");
    const test::ProcessResult broken = test::RunProcess({program}, options);
    EXPECT_EQ(broken.exitStatus, 2);
    EXPECT_EQ(broken.err.rfind("Quorvex: Fenstermodul nicht ladbar: " + module, 0), 0u)
        << broken.err;
}

TEST_F(ConfigBinaryTest, AnInstalledProgramLoadsTheModuleFromItsPrefix) {
    if (!test::ProgramHasWindowModule()) {
        GTEST_SKIP() << "This build has no window module beside the program.";
    }
    // A module that cannot load proves by its message which file was taken.
    for (const std::string folder : {"lib", "libexec"}) {
        const std::string prefix = std::filesystem::canonical(dir.path()).string() + "/" + folder;
        const std::string installed = test::CopyQuorvexBinaryInto(prefix + "/bin/");
        std::filesystem::remove(prefix + "/bin/quorvex-window.so");
        const std::string module = prefix + "/" + folder + "/quorvex/quorvex-window.so";
        test::MakeFolder(prefix + "/" + folder + "/quorvex");
        test::WriteFile(module, "kein Modul");
        test::ProcessOptions options = test::InFolder(dir / "work");
        options.environment.push_back("DISPLAY=:0");
        const test::ProcessResult result = test::RunProcess({installed}, options);
        EXPECT_EQ(result.exitStatus, 2) << folder;
        EXPECT_EQ(result.err.rfind("Quorvex: Fenstermodul nicht ladbar: " + module, 0), 0u)
            << result.err;
    }
}

TEST_F(ConfigBinaryTest, AnUnknownSwitchLeavesTheFileUntouched) {
    EXPECT_EQ(Run({"-gibtsnicht"}).exitStatus, 2);
    ExpectIniUntouched();
}

}  // namespace
}  // namespace quorvex
