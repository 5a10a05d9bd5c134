#include "GuiTestSupport.h"
#include "ui/wx/MainWindow.h"

namespace quorvex::test {
namespace {

// The window's export proposes Quorvex.bat beside the program with the batch file filter and
// writes one cmd line per active job, in Windows-1252 with CR LF line ends.
TEST_F(GuiTest, TheExportWritesABatchFileForCmd) {
    program.settings.ProgramFolder = "C:\\Programme\\Quorvex\\";
    program.settings.ProgramFile = "quorvex.exe";
    program.settings.LogfileDir = "C:\\Logs\\";
    SyncJob& books = AddJob(
        "b\xC3\xBC"
        "cher",
        kJobTicked);
    books.Source =
        "C:\\B\xC3\xBC"
        "cher 100%\\";
    books.Target = "D:\\Sicherung \xE2\x82\xAC\\";
    AddJob("aus", 1);
    std::string proposal;
    std::string filter;
    services.chooseSaveFile = [&](const std::string&, const std::string& proposed,
                                  const std::string& offered) {
        proposal = proposed;
        filter = offered;
        return dir / "Quorvex.bat";
    };
    recorded.yesNoAnswers = {true, false};
    OpenWindow();

    Click(Window().BatchButton());
    Settle();
    ASSERT_TRUE(recorded.messages.empty()) << recorded.messages[0].text;
    EXPECT_EQ(proposal, "C:\\Programme\\Quorvex\\Quorvex.bat");
    EXPECT_EQ(filter, "Batchfile (*.bat)|*.bat");
    EXPECT_EQ(ReadFile(dir / "Quorvex.bat"),
              "@REM Batch-File, generiert von Quorvex v2.5, Quorvex-Team - "
              "https://www.quorvex.invalid\r\n\r\n"
              "@\"C:\\Programme\\Quorvex\\quorvex.exe\" -s \"C:\\B\xFC"
              "cher 100%%\\\" -d \"D:\\Sicherung \x80\\\" -start -nowin -nolog -logdir "
              "\"C:\\Logs\\\"\r\n");
}

}  // namespace
}  // namespace quorvex::test
