#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "ui/BatchExport.h"

namespace quorvex::test {
namespace {

class BatchExportTest : public ::testing::Test {
  protected:
    BatchExportTest() {
        Settings& settings = test.program.settings;
        settings = DefaultSettings("/opt/quorvex/", "quorvex", "/var/log/q/", 0);
        settings.LogfileDir = "/var/log/q/";
    }

    SyncJob& AddJob(const std::string& name, std::uint8_t active) {
        SyncJob& job = test.AddJob("/daten/" + name + "/", "/sicherung/" + name + "/");
        job.Active = active;
        return job;
    }

    // Exports with these answers to the questions; the chooser's proposal and filter are kept.
    void Export(const std::string& path, std::initializer_list<bool> answers,
                ScriptFlavour flavour = ScriptFlavour::Shell) {
        test.dialogs.yesNoAnswers = answers;
        test.dialogs.questions.clear();
        ExportBatchFile(
            test.program, flavour,
            [&](const std::string& title, const std::string& proposal, const std::string& filter) {
                dialog = title + "|" + proposal + "|" + filter;
                return path;
            });
    }

    TempDir dir;
    TestProgram test;
    std::string dialog;
};

TEST_F(BatchExportTest, EachExportWritesTheActiveJobsWithItsOwnAnswers) {
    AddJob("eins", kJobTicked);
    AddJob("aus", 1);
    AddJob("zwei", kJobTicked);
    const std::string script = dir / "jobs.sh";

    Export(script, {true, true, true});
    EXPECT_EQ(dialog,
              "Job(s) in Batchdatei speichern|/opt/quorvex/Quorvex.sh|Shell-Skript (*.sh)|*.sh");
    EXPECT_EQ(test.dialogs.questions.size(), 3u);
    EXPECT_EQ(
        ReadFile(script),
        "#!/bin/sh\n"
        "# Batch-File, generiert von Quorvex v2.5, Quorvex-Team - https://www.quorvex.invalid\n"
        "\n"
        "'/opt/quorvex/quorvex' -s '/daten/eins/' -d '/sicherung/eins/' -start \n"
        "'/opt/quorvex/quorvex' -s '/daten/zwei/' -d '/sicherung/zwei/' -start -logdir "
        "'/var/log/q/'\n");
    struct stat info {};
    ASSERT_EQ(stat(script.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0755u);

    // The second export asks again; a program that ends after its run shows no statistics,
    // so the third question is left out.
    test.program.jobs.Select(0)->Extentions = "!tmp,bak";
    test.program.settings.CheckTargetSpace = 0;
    test.program.settings.AutoExit = 1;
    test.program.settings.Shutdown = 1;
    Export(script, {false, true});
    EXPECT_EQ(test.dialogs.questions,
              (std::vector<std::string>{
                  "Sollen die Syncronisationsjobs automatisch gestartet werden (-start)?",
                  "Soll ein Fenster während der Syncronisation angezeigt werden?"}));
    EXPECT_EQ(ReadFile(script).substr(ReadFile(script).find("\n\n") + 2),
              "'/opt/quorvex/quorvex' -s '/daten/eins/' -d '/sicherung/eins/' -excl 'tmp,bak' "
              "-exit -nospacecheck \n"
              "'/opt/quorvex/quorvex' -s '/daten/zwei/' -d '/sicherung/zwei/' -exit "
              "-nospacecheck -down -logdir '/var/log/q/'\n");

    Export(script, {true, false});
    EXPECT_NE(ReadFile(script).find("'/sicherung/zwei/' -start -nowin -exit -nospacecheck -down"),
              std::string::npos);
    EXPECT_TRUE(test.dialogs.messages.empty());
}

TEST_F(BatchExportTest, NothingIsWrittenWithoutJobsOrWhereTheFileCannotBeMade) {
    Export(dir / "leer.sh", {});
    ASSERT_EQ(test.dialogs.messages.size(), 1u);
    EXPECT_EQ(test.dialogs.messages[0].text, "Es liegen keine Jobs vor!");
    EXPECT_TRUE(dialog.empty());
    EXPECT_FALSE(PathExists(dir / "leer.sh"));

    AddJob("eins", 1);
    Export(dir / "fehlt/jobs.sh", {true, true, true});
    ASSERT_EQ(test.dialogs.messages.size(), 2u);
    EXPECT_EQ(test.dialogs.messages[1].text, "Konnte Datei nicht anlegen!");
    EXPECT_EQ(test.dialogs.messages[1].icon, MessageIcon::Error);
    EXPECT_TRUE(test.dialogs.questions.empty());

    // No job is active: the tail stands alone.
    Export(dir / "jobs.sh", {true, true, true});
    EXPECT_EQ(ReadFile(dir / "jobs.sh").substr(ReadFile(dir / "jobs.sh").find("\n\n")),
              "\n\n'/opt/quorvex/quorvex' -logdir '/var/log/q/'\n");

    // A batch file that cannot carry a path leaves the old file as it was.
    AddJob("zitat\"", kJobTicked);
    WriteFile(dir / "jobs.bat", "alt");
    Export(dir / "jobs.bat", {true, true, true}, ScriptFlavour::WindowsBatch);
    EXPECT_EQ(dialog,
              "Job(s) in Batchdatei speichern|/opt/quorvex/Quorvex.bat|Batchfile (*.bat)|*.bat");
    ASSERT_EQ(test.dialogs.messages.size(), 3u);
    EXPECT_EQ(test.dialogs.messages[2].text,
              "Dieser Pfad kann nicht in eine Batchdatei geschrieben werden:\n/daten/zitat\"/");
    EXPECT_EQ(ReadFile(dir / "jobs.bat"), "alt");
}

}  // namespace
}  // namespace quorvex::test
