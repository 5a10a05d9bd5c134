#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "app/StartupSteps.h"
#include "support/ForkedChild.h"
#include "support/RecordingDialogs.h"
#include "support/RootOnly.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

class StartupStepsTest : public ::testing::Test {
  protected:
    StartupStepsTest() {
        program.settings.DebugMode = 1;
        program.log.SetDebugLogPath(dir / "debug.log");
    }

    std::string ConfigPath() const { return dir / "Quorvex.ini"; }

    test::TempDir dir;
    test::RecordingDialogs dialogs;
    NullSyncDisplay display;
    NullEventPump pump;
    Program program{dialogs, display, pump};
};

TEST_F(StartupStepsTest, AnyArgumentKeepsTheFileUnreadAndUnwritten) {
    const std::string contents = "[Config]\r\nLogging = 0\r\n[Job #1]\r\nTitle = eins\r\n";
    test::WriteFile(ConfigPath(), contents);
    program.settings.CommandLineGiven = 1;
    LoadConfigurationAtStart(program, ConfigPath());
    EXPECT_EQ(program.settings.Logging, 1);
    EXPECT_EQ(program.jobs.Count(), 0u);

    EndProgram(program, ConfigPath());
    EXPECT_EQ(test::ReadFile(ConfigPath()), contents);
    EXPECT_NE(test::ReadFile(dir / "debug.log")
                  .find("] Programm beendet.\r\n------------------------------\r\n"),
              std::string::npos);
}

TEST_F(StartupStepsTest, WithoutArgumentsTheFileIsReadAtStartAndWrittenAtTheEnd) {
    test::WriteFile(ConfigPath(), "[Config]\r\nLogging = 0\r\n[Job #1]\r\nTitle = eins\r\n");
    LoadConfigurationAtStart(program, ConfigPath());
    EXPECT_EQ(program.settings.Logging, 0);
    ASSERT_EQ(program.jobs.Count(), 1u);

    program.jobs.Select(0)->Title = "geändert";
    EndProgram(program, ConfigPath());
    const std::string saved = test::ReadFile(ConfigPath());
    EXPECT_NE(saved.find("\r\nTitle = geändert\r\n"), std::string::npos);
    const std::string debug = test::ReadFile(dir / "debug.log");
    EXPECT_LT(debug.find("Konfig-Datei gespeichert"), debug.find("Programm beendet."));
}

TEST_F(StartupStepsTest, TheFileMovesToTheUserFolderWhenTheProgramFolderIsReadOnly) {
    QUORVEX_REQUIRE_ROOT("compares root, who writes anywhere, with nobody");
    test::MakeFolder(dir / "program");
    test::MakeFolder(dir / "home");
    chmod(dir.path().c_str(), 0755);
    chmod((dir / "program").c_str(), 0555);
    chmod((dir / "home").c_str(), 0777);
    program.settings.ProgramFolder = dir / "program/";
    EXPECT_EQ(ProgramConfigPath(program.settings), dir / "program/Quorvex.ini");

    const std::string expected = dir / "home/quorvex/Quorvex.ini";
    const int status = test::RunInChild([&] {
        setenv("XDG_CONFIG_HOME", (dir / "home").c_str(), 1);
        if (!test::DropToNobody()) {
            return 3;
        }
        return ProgramConfigPath(program.settings) == expected ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(test::PathExists(dir / "home/quorvex"));
}

}  // namespace
}  // namespace quorvex
