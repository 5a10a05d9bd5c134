#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "platform/Paths.h"
#include "support/BinaryCopy.h"
#include "support/Process.h"
#include "ui/wx/MainWindow.h"

namespace quorvex::test {
namespace {

// The script exported from the window, run by the shell, starts the real program once per
// active job, and each run leaves its target equal to its source.
TEST_F(GuiTest, AnExportedScriptRunsEveryActiveJob) {
    const std::string binary = CopyQuorvexBinaryInto(dir / "mein programm/");
    program.settings.ProgramFolder = ParentFolderOf(binary);
    program.settings.ProgramFile = LastPartOf(binary);
    program.settings.LogfileDir = dir / "logs/";
    MakeFolder(dir / "logs");
    const std::string odd = "it's $HOME ";
    for (const std::string& name : {std::string("fotos"), odd}) {
        SyncJob& job = AddJob(name, kJobTicked);
        MakeFolder(job.Source);
        MakeFolder(job.Source + "unter");
        MakeFolder(job.Target);
        WriteFile(job.Source + "a.txt", name);
        WriteFile(job.Source + "unter/b.txt", "b");
    }
    AddJob("aus", 1);
    OpenWindow();

    Click(Window().BatchButton());
    ASSERT_TRUE(recorded.messages.empty());
    EXPECT_EQ(DebugLog().find("Button: BatchFile"), std::string::npos);

    chosenSaveFile = dir / "Quorvex.sh";
    recorded.yesNoAnswers = {true, false};
    Click(Window().BatchButton());
    Settle();
    ASSERT_TRUE(recorded.messages.empty()) << recorded.messages[0].text;
    EXPECT_EQ(recorded.questions.size(), 2u);
    EXPECT_NE(DebugLog().find("Button: BatchFile, Status: ok"), std::string::npos);

    ProcessOptions options = InFolder(dir.path());
    options.timeoutSeconds = 60;
    const ProcessResult run = RunProcess({"sh", chosenSaveFile}, options);
    EXPECT_EQ(run.exitStatus, 0) << run.out << run.err;
    for (const std::string& name : {std::string("fotos"), odd}) {
        const std::string source = dir / (name + "-quelle/");
        const std::string target = dir / (name + "-ziel/");
        const ProcessResult check = RunProcess({"rsync", "-anicO", source, target});
        EXPECT_EQ(check.exitStatus, 0) << check.err;
        EXPECT_EQ(check.out, "") << name;
        EXPECT_EQ(ReadFile(target + "a.txt"), name);
    }
    EXPECT_FALSE(PathExists(dir / "aus-ziel/a.txt"));
}

}  // namespace
}  // namespace quorvex::test
