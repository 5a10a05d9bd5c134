#include <gtest/gtest.h>

#include <tuple>

#include "config/CommandLine.h"
#include "program/RunLog.h"
#include "support/Process.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "ui/BatchScript.h"

namespace quorvex::test {
namespace {

Settings Options() {
    Settings settings = DefaultSettings("/opt/quorvex/", "quorvex", "/var/log/q/", 0);
    settings.LogfileDir = "/var/log/q/";
    return settings;
}

SyncJob Job(const std::string& source, const std::string& target) {
    SyncJob job;
    job.Active = kJobTicked;
    job.Source = source;
    job.Target = target;
    job.SubDirs = 1;
    return job;
}

JobList Jobs(std::initializer_list<SyncJob> list) {
    JobList jobs;
    for (const SyncJob& job : list) {
        jobs.AddAfterCurrent() = job;
    }
    return jobs;
}

TEST(BatchScriptTest, TheWindowsBatchFileIsWindows1252WithDoubledPercentSigns) {
    Settings settings = Options();
    settings.LogfileDir = "C:\\Logs\\";
    settings.LockWorkStation = 1;
    SyncJob job = Job("C:\\Bücher 100%\\", "D:\\Sicherung €\\");
    job.Extentions = "txt,doc";
    const BatchScript script =
        WriteBatchScript(ScriptFlavour::WindowsBatch, "C:\\Programme\\Quorvex.exe",
                         BatchCommands(settings, Jobs({job, job}), BatchAnswers{}));
    const std::string line =
        "@\"C:\\Programme\\Quorvex.exe\" -s \"C:\\B\xFC"
        "cher 100%%\\\" -d \"D:\\Sicherung \x80\\\" -start -incl txt,doc ";
    EXPECT_EQ(script.text,
              "@REM Batch-File, generiert von Quorvex v2.5, Quorvex-Team - "
              "https://www.quorvex.invalid\r\n\r\n" +
                  line + "\r\n" + line + "-lock -logdir \"C:\\Logs\\\"\r\n");
    EXPECT_TRUE(script.refused.empty());
}

TEST(BatchScriptTest, ABatchLineRefusesWhatItCannotCarry) {
    for (const std::string path :
         {"C:\\\"zitat\\", "C:\\zwei\r\nzeilen\\", "C:\\\xCE\xA9mega\\", "C:\\kaputt\xFF\\"}) {
        const BatchScript script =
            WriteBatchScript(ScriptFlavour::WindowsBatch, "C:\\Quorvex.exe",
                             BatchCommands(Options(), Jobs({Job("C:\\ok\\", path)}), {}));
        EXPECT_EQ(script.refused, path);
        EXPECT_TRUE(script.text.empty()) << path;
    }
}

// The fields a batch line can set for one program start.
auto StartFields(const Settings& s) {
    return std::make_tuple(s.CmdSource, s.CmdTarget, s.CmdExtentions, s.DefaultSubDirs,
                           s.DefaultCreateTargetSubDirs, s.DefaultDeleteFiles,
                           s.DefaultFileCheckSum, s.AutoStart, s.WindowHidden, s.ExitAfterRun,
                           s.ShowStatistics, s.CheckTargetSpace, s.Priority, s.LongTerm,
                           s.LongTermMinutes, s.Shutdown, s.LogfileDir);
}

// The shell splits each exported line into the arguments the program receives; parsed, they
// give back each job and the options, however hostile the folder names.
TEST(BatchScriptTest, EveryShellLineParsesBackToItsJobAndTheOptions) {
    TempDir dir;
    const std::string program = dir / "zeige argumente";
    WriteFile(program, "#!/bin/sh\nprintf '%s\\0' \"$@\" '=ENDE=' >>\"$0.out\"\n");
    ASSERT_EQ(RunProcess({"chmod", "755", program}).exitStatus, 0);

    Settings options = Options();
    options.Priority = kPriorityHigh;
    options.CheckTargetSpace = 0;
    options.Shutdown = 1;
    options.LongTerm = 1;
    options.LongTermMinutes = 45;
    options.LogfileDir = "/var/log/it's $HOME/";
    SyncJob plain = Job("/home/anna/Meine Daten/", "/mnt/usb/");
    plain.Extentions = "!tmp,bak";
    plain.FileCheckSum = 2;
    plain.DeleteFiles = 1;
    SyncJob hostile = Job("/tmp/it's $HOME `id` \"q\" \\n/", "-d/ziel\nzwei\tzeilen/");
    hostile.SubDirs = 0;
    hostile.CreateTargetSubDirs = 1;
    const std::vector<SyncJob> jobs = {plain, hostile};
    const BatchAnswers answers{false, true, false};

    WriteFile(dir / "jobs.sh",
              WriteBatchScript(ScriptFlavour::Shell, program,
                               BatchCommands(options, Jobs({plain, hostile}), answers))
                  .text);
    ASSERT_EQ(RunProcess({"sh", dir / "jobs.sh"}).exitStatus, 0);

    std::vector<std::vector<std::string>> starts(1);
    const std::string received = ReadFile(program + ".out");
    for (std::size_t from = 0, to; (to = received.find('\0', from)) != std::string::npos;
         from = to + 1) {
        const std::string argument = received.substr(from, to - from);
        if (argument == "=ENDE=") {
            starts.emplace_back();
        } else {
            starts.back().push_back(argument);
        }
    }
    ASSERT_EQ(starts.size(), 3u);
    for (std::size_t index = 0; index < jobs.size(); ++index) {
        Settings parsed = Options();
        RecordingDialogs dialogs;
        SystemClock systemClock;
        Clock* clock = &systemClock;
        RunLog log{parsed, dialogs, clock};
        EXPECT_EQ(ParseCommandLine(starts[index], parsed, log, dialogs), ParseResult::Ok);

        Settings expected = Options();
        expected.CmdSource = jobs[index].Source;
        expected.CmdTarget = jobs[index].Target;
        expected.CmdExtentions = jobs[index].Extentions;
        expected.DefaultSubDirs = jobs[index].SubDirs;
        expected.DefaultCreateTargetSubDirs = jobs[index].CreateTargetSubDirs;
        expected.DefaultDeleteFiles = jobs[index].DeleteFiles;
        expected.DefaultFileCheckSum = jobs[index].FileCheckSum;
        expected.ShowStatistics = 0;
        expected.CheckTargetSpace = 0;
        expected.Priority = kPriorityHigh;
        expected.LongTerm = 1;
        expected.LongTermMinutes = 45;
        if (index + 1 == jobs.size()) {
            expected.Shutdown = 1;
            expected.LogfileDir = options.LogfileDir;
        }
        EXPECT_EQ(StartFields(parsed), StartFields(expected)) << index;
    }
}

}  // namespace
}  // namespace quorvex::test
