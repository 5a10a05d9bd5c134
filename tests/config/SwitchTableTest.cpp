#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <tuple>

#include "config/CommandLine.h"
#include "config/CommandLineExport.h"
#include "program/RunLog.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

// Everything a command line can set.
auto SwitchFields(const Settings& s) {
    return std::make_tuple(s.Logging, s.SecureLog, s.LogfileNo, s.AutoMinimize, s.LockWorkStation,
                           s.Priority, s.Shutdown, s.Systray, s.LogfileDir, s.UTC_Time,
                           s.CheckTargetSpace, s.FileCheck_Date, s.FileCheck_Attribute,
                           s.Filecheck_Exist, s.LongTerm, s.LongTermMinutes, s.ShowStatistics,
                           s.DefaultSubDirs, s.DefaultCreateTargetSubDirs, s.DefaultDeleteFiles,
                           s.DefaultFileCheckSum, s.CmdSource, s.CmdTarget, s.CmdExtentions,
                           s.AutoStart, s.ExitAfterRun, s.WindowHidden, s.DebugMode);
}

Settings Defaults() {
    Settings settings;
    settings.LogfileDir = "/opt/quorvex/";
    return settings;
}

// The zone has daylight saving time, so -utc stores a non-zero state code.
class SwitchTableTest : public ::testing::Test {
  protected:
    SwitchTableTest() {
        const char* zone = std::getenv("TZ");
        previousZone_ = zone ? std::optional<std::string>(zone) : std::nullopt;
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    ~SwitchTableTest() override {
        if (previousZone_) {
            setenv("TZ", previousZone_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

    Settings Parsed(const std::vector<std::string>& arguments) {
        Settings settings = Defaults();
        test::RecordingDialogs dialogs;
        SystemClock systemClock;
        Clock* clock = &systemClock;
        RunLog log{settings, dialogs, clock};
        log.SetDebugLogPath(dir_ / "debug.log");
        EXPECT_EQ(ParseCommandLine(arguments, settings, log, dialogs), ParseResult::Ok);
        EXPECT_TRUE(dialogs.messages.empty());
        return settings;
    }

  private:
    test::TempDir dir_;
    std::optional<std::string> previousZone_;
};

std::vector<std::string> Arguments(const std::vector<ExportedSwitch>& line) {
    std::vector<std::string> arguments;
    for (const ExportedSwitch& entry : line) {
        arguments.push_back(entry.name);
        if (entry.value) {
            arguments.push_back(*entry.value);
        }
    }
    return arguments;
}

TEST_F(SwitchTableTest, EachSwitchWithoutValueAloneReachesOnlyItsField) {
    struct Case {
        const char* name;
        std::function<void(Settings&)> expect;
    };
    const Case cases[] = {
        {"-nolog", [](Settings& s) { s.Logging = 0; }},
        {"-securelog", [](Settings& s) { s.SecureLog = 1; }},
        {"-history", [](Settings& s) { s.LogfileNo = 1; }},
        {"-minimize", [](Settings& s) { s.AutoMinimize = 1; }},
        {"-lock", [](Settings& s) { s.LockWorkStation = 1; }},
        {"-down", [](Settings& s) { s.Shutdown = 1; }},
        {"-tray", [](Settings& s) { s.Systray = 1; }},
        {"-systray", [](Settings& s) { s.Systray = 1; }},
        {"-utc", [](Settings& s) { s.UTC_Time = TimeZoneStateCode(); }},
        {"-nospacecheck", [](Settings& s) { s.CheckTargetSpace = 0; }},
        {"-nodatecheck", [](Settings& s) { s.FileCheck_Date = 0; }},
        {"-noattributecheck", [](Settings& s) { s.FileCheck_Attribute = 0; }},
        {"-noexistcheck", [](Settings& s) { s.Filecheck_Exist = 0; }},
        {"-nostats", [](Settings& s) { s.ShowStatistics = 0; }},
        {"-nostat", [](Settings& s) { s.ShowStatistics = 0; }},
        {"-nosubs", [](Settings& s) { s.DefaultSubDirs = 0; }},
        {"-nosub", [](Settings& s) { s.DefaultSubDirs = 0; }},
        {"-createdir", [](Settings& s) { s.DefaultCreateTargetSubDirs = 1; }},
        {"-del", [](Settings& s) { s.DefaultDeleteFiles = 1; }},
        {"-qsm", [](Settings& s) { s.DefaultFileCheckSum = 1; }},
        {"-crc", [](Settings& s) { s.DefaultFileCheckSum = 2; }},
        {"-md5", [](Settings& s) { s.DefaultFileCheckSum = 3; }},
        {"-start", [](Settings& s) { s.AutoStart = 1; }},
        {"-exit", [](Settings& s) { s.ExitAfterRun = 1; }},
        {"-debug", [](Settings& s) { s.DebugMode = 1; }},
    };
    ASSERT_NE(TimeZoneStateCode(), 0);
    for (const Case& entry : cases) {
        Settings expected = Defaults();
        entry.expect(expected);
        EXPECT_EQ(SwitchFields(Parsed({entry.name})), SwitchFields(expected)) << entry.name;
    }
}

TEST_F(SwitchTableTest, AnExportedLineNamesTheSwitchesInBatchOrder) {
    Settings settings = Defaults();
    settings.CmdSource = "/home/anna/Meine Daten/";
    settings.CmdTarget = "/mnt/usb/";
    settings.CmdExtentions = "!tmp,bak";
    settings.AutoStart = 1;
    settings.LongTerm = 1;
    settings.LongTermMinutes = 30;
    settings.DefaultFileCheckSum = 2;
    settings.FileCheck_Date = 0;
    settings.Priority = kPriorityLow;
    settings.LockWorkStation = 1;
    const std::vector<ExportedSwitch> line = ExportCommandLine(settings);
    EXPECT_EQ(Arguments(line), (std::vector<std::string>{
                                   "-s", "/home/anna/Meine Daten/", "-d", "/mnt/usb/", "-start",
                                   "-excl", "tmp,bak", "-l", "30", "-crc", "-nodatecheck", "-prio",
                                   "low", "-lock", "-logdir", "/opt/quorvex/"}));
    std::vector<std::string> folderSwitches;
    for (const ExportedSwitch& entry : line) {
        if (entry.valueIsFolder) {
            folderSwitches.push_back(entry.name);
        }
    }
    EXPECT_EQ(folderSwitches, (std::vector<std::string>{"-s", "-d", "-logdir"}));
}

TEST_F(SwitchTableTest, ExportedLinesParseBackToTheSameSettings) {
    const std::function<void(Settings&)> combinations[] = {
        [](Settings&) {},
        [](Settings& s) {
            s.CmdSource = "/home/anna/Fotos/";
            s.CmdTarget = "/mnt/backup/";
        },
        [](Settings& s) {
            s.CmdSource = "/a/";
            s.CmdTarget = "/b/";
            s.CmdExtentions = "jpg,png";
            s.AutoStart = 1;
            s.ExitAfterRun = 1;
            s.ShowStatistics = 0;
            s.DefaultSubDirs = 0;
            s.DefaultCreateTargetSubDirs = 1;
            s.LongTerm = 1;
            s.LongTermMinutes = 1440;
            s.DefaultDeleteFiles = 1;
            s.DefaultFileCheckSum = 3;
            s.Logging = 0;
            s.SecureLog = 1;
            s.LogfileNo = 1;
            s.UTC_Time = TimeZoneStateCode();
            s.CheckTargetSpace = 0;
            s.FileCheck_Attribute = 0;
            s.Filecheck_Exist = 0;
            s.Systray = 1;
            s.Priority = kPriorityHigh;
            s.AutoMinimize = 1;
            s.Shutdown = 1;
            s.LogfileDir = "";
        },
        [](Settings& s) {
            s.CmdSource = "/src dir/";
            s.CmdTarget = "/dst dir/";
            s.CmdExtentions = "!";
            s.WindowHidden = 1;
            s.ExitAfterRun = 1;
            s.DefaultFileCheckSum = 1;
            s.Priority = kPriorityRealtime;
            s.FileCheck_Date = 0;
            s.LogfileDir = "/var/log/quorvex/";
        },
    };
    for (const auto& combine : combinations) {
        Settings settings = Defaults();
        combine(settings);
        const std::vector<std::string> arguments = Arguments(ExportCommandLine(settings));
        EXPECT_EQ(SwitchFields(Parsed(arguments)), SwitchFields(settings))
            << testing::PrintToString(arguments);
    }
}

}  // namespace
}  // namespace quorvex
