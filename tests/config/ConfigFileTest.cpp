#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <tuple>

#include "config/ConfigFile.h"
#include "program/RunLog.h"
#include "support/ForkedChild.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

const DateValue kNow = MakeDateValue({2026, 3, 14, 9, 30, 0});

auto Fields(const SyncJob& job) {
    return std::make_tuple(job.Active, job.Title, job.Created, job.LastRun, job.Source, job.Target,
                           job.Extentions, job.SubDirs, job.CreateTargetSubDirs, job.DeleteFiles,
                           job.FileCheckSum);
}

auto StoredFields(const Settings& s) {
    return std::make_tuple(s.Logging, s.SecureLog, s.AutoExit, s.LogfileNo, s.SaveDrives,
                           s.AutoMinimize, s.LockWorkStation, s.Priority, s.UpdateCheck, s.Shutdown,
                           s.Systray, s.LogfileDir, s.NTFS_TimeDifference, s.UTC_Time,
                           s.CheckTargetSpace, s.FileCheck_Date, s.FileCheck_Attribute,
                           s.Filecheck_Exist, s.ProtectDrives);
}

SyncJob MakeJob(const std::string& title, const std::string& source, const std::string& target) {
    SyncJob job;
    job.Active = 2;
    job.Title = title;
    job.Created = 1700000000;
    job.Source = source;
    job.Target = target;
    job.SubDirs = 1;
    return job;
}

class ConfigFileTest : public ::testing::Test {
  protected:
    ConfigFileTest() {
        settings.LogfileDir = "/opt/quorvex/";
        settings.DebugMode = 1;
        log.SetDebugLogPath(dir / "debug.log");
    }

    std::string Path() const { return dir / "Quorvex.ini"; }
    bool Load() { return LoadConfiguration(Path(), settings, jobs, log); }
    bool Save(const std::optional<OptionFieldTexts>& fields = std::nullopt) {
        return SaveConfiguration(Path(), settings, jobs, log, kNow, fields);
    }
    void LoadFrom(const std::string& contents) {
        test::WriteFile(Path(), contents);
        ASSERT_TRUE(Load());
    }
    std::string Saved() {
        EXPECT_TRUE(Save());
        return test::ReadFile(Path());
    }
    void AddJob(const SyncJob& job) { jobs.AddAfterCurrent() = job; }
    bool DebugLogHas(const std::string& text) const {
        return test::ReadFile(dir / "debug.log").find(text) != std::string::npos;
    }

    test::TempDir dir;
    Settings settings;
    test::RecordingDialogs dialogs;
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log{settings, dialogs, clock};
    JobList jobs;
};

TEST_F(ConfigFileTest, TwoJobsGiveTheFortySevenLineFile) {
    SyncJob photos = MakeJob("Fotos", "/home/anna/Fotos/", "/mnt/backup/Fotos/");
    photos.DeleteFiles = 1;
    photos.FileCheckSum = 3;
    AddJob(photos);
    SyncJob mail = MakeJob("Mail", "/home/anna/Mail/", "/mnt/backup/Mail/");
    mail.Active = 3;
    mail.LastRun = 1700003600;
    mail.Extentions = "!tmp,bak";
    mail.CreateTargetSubDirs = 1;
    AddJob(mail);

    const std::string expected =
        ";  Konfigurationsdatei von Quorvex v2.5\r\n"
        ";  (c) Quorvex-Team 2026\r\n"
        ";  Web: https://www.quorvex.invalid\r\n"
        ";  Email: info@quorvex.invalid\r\n"
        "[Config]\r\n"
        "Logging = 1\r\nSecureLog = 0\r\nAutoExit = 0\r\nLogfileNo = 0\r\nSaveDrives = \r\n"
        "AutoMinimize = 0\r\nLockWorkStation = 0\r\nPriority = 32\r\nUpdateCheck = 0\r\n"
        "Shutdown = 0\r\nSystray = 0\r\nLogfileDir = /opt/quorvex/\r\n"
        "NTFS_TimeDifference = 2\r\nUTC_Time = 0\r\nCheckTargetSpace = 1\r\n"
        "FileCheck_Date = 1\r\nFileCheck_Attribute = 1\r\nFilecheck_Exist = 1\r\n"
        "[Job #1]\r\n"
        "Title = Fotos\r\nActive = 2\r\nCreated = 1700000000\r\nLastRun = 0\r\n"
        "Source = /home/anna/Fotos/\r\nTarget = /mnt/backup/Fotos/\r\nExtentions = \r\n"
        "SubDirs = 1\r\nCreateTargetSubDirs = 0\r\nDeleteFiles = 1\r\nFileCheckSum = 3\r\n"
        "[Job #2]\r\n"
        "Title = Mail\r\nActive = 3\r\nCreated = 1700000000\r\nLastRun = 1700003600\r\n"
        "Source = /home/anna/Mail/\r\nTarget = /mnt/backup/Mail/\r\nExtentions = !tmp,bak\r\n"
        "SubDirs = 1\r\nCreateTargetSubDirs = 1\r\nDeleteFiles = 0\r\nFileCheckSum = 0\r\n";
    const std::string saved = Saved();
    EXPECT_EQ(saved, expected);
    std::size_t lines = 0;
    for (std::size_t at = saved.find("\r\n"); at != std::string::npos;
         at = saved.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 47u);
    EXPECT_TRUE(DebugLogHas("Konfig-Datei gespeichert"));
}

TEST_F(ConfigFileTest, UnusualValuesSurviveASaveAndALoad) {
    settings.Logging = 0;
    settings.SecureLog = 1;
    settings.SaveDrives = "/mnt/usb,/media/anna/Stick";
    settings.ProtectDrives = 1;
    settings.Priority = 256;
    settings.LogfileDir = "/var/log/a=b;c/";
    settings.NTFS_TimeDifference = -3;
    settings.UTC_Time = 2;
    settings.Filecheck_Exist = 0;
    SyncJob odd = MakeJob("", "/src/x = y; z/", "");
    odd.Extentions = "!a;b=c";
    odd.Active = 0;
    odd.Created = 4133980799;  // in 2100, past 32 bits
    odd.LastRun = -1;
    odd.FileCheckSum = 2;
    AddJob(odd);
    AddJob(MakeJob("[Job #9]", ";nur ein Kommentar?", "ä ö ü/"));
    ASSERT_TRUE(Save());

    Settings loaded;
    JobList loadedJobs;
    loadedJobs.AddAfterCurrent().Title = "replaced by the file";
    ASSERT_TRUE(LoadConfiguration(Path(), loaded, loadedJobs, log));
    EXPECT_EQ(StoredFields(loaded), StoredFields(settings));
    ASSERT_EQ(loadedJobs.Count(), 2u);
    EXPECT_EQ(Fields(*loadedJobs.Select(0)), Fields(*jobs.Select(0)));
    EXPECT_EQ(Fields(*loadedJobs.Select(1)), Fields(*jobs.Select(1)));
}

TEST_F(ConfigFileTest, HandEditedOptionsAreReadByTheRules) {
    LoadFrom(
        "[config]\nlogging=0\nLogfileDir =   /var/log/quorvex   \nPriority = 128abc\n"
        "NTFS_TimeDifference = abc\nSystray = 257\n");
    EXPECT_EQ(settings.Logging, 0);
    EXPECT_EQ(settings.LogfileDir, "/var/log/quorvex/");
    EXPECT_EQ(settings.Priority, 128);
    EXPECT_EQ(settings.NTFS_TimeDifference, 0);
    EXPECT_EQ(settings.Systray, 0);  // only exactly 1 is on
}

struct ConfigKey {
    const char* key;
    YesNo Settings::*flag;  // nullptr: not a yes/no key
    const char* value;      // the value of a key that is not yes/no
};

// The Config group's keys in the order of the file.
const ConfigKey kConfigKeys[] = {
    {"Logging", &Settings::Logging, nullptr},
    {"SecureLog", &Settings::SecureLog, nullptr},
    {"AutoExit", &Settings::AutoExit, nullptr},
    {"LogfileNo", &Settings::LogfileNo, nullptr},
    {"SaveDrives", nullptr, "/mnt/a"},
    {"AutoMinimize", &Settings::AutoMinimize, nullptr},
    {"LockWorkStation", &Settings::LockWorkStation, nullptr},
    {"Priority", nullptr, "8"},
    {"UpdateCheck", &Settings::UpdateCheck, nullptr},
    {"Shutdown", &Settings::Shutdown, nullptr},
    {"Systray", &Settings::Systray, nullptr},
    {"LogfileDir", nullptr, "/logs/"},
    {"NTFS_TimeDifference", nullptr, "12"},
    {"UTC_Time", nullptr, "13"},
    {"CheckTargetSpace", &Settings::CheckTargetSpace, nullptr},
    {"FileCheck_Date", &Settings::FileCheck_Date, nullptr},
    {"FileCheck_Attribute", &Settings::FileCheck_Attribute, nullptr},
    {"Filecheck_Exist", &Settings::Filecheck_Exist, nullptr},
};

// One yes/no key on at a time and distinct other values, so a key read into or written
// from a neighbour's field shows.
TEST_F(ConfigFileTest, EachKeyReachesItsOwnFieldAndIsSavedFromIt) {
    for (const ConfigKey& on : kConfigKeys) {
        if (on.flag == nullptr) {
            continue;
        }
        SCOPED_TRACE(on.key);
        std::string config = "[Config]\r\n";
        for (const ConfigKey& line : kConfigKeys) {
            const std::string value = line.flag ? (&line == &on ? "1" : "0") : line.value;
            config += std::string(line.key) + " = " + value + "\r\n";
        }
        settings = Settings{};
        LoadFrom(config);
        for (const ConfigKey& line : kConfigKeys) {
            if (line.flag != nullptr) {
                EXPECT_EQ(settings.*line.flag, &line == &on ? 1 : 0) << line.key;
            }
        }
        EXPECT_EQ(std::make_tuple(settings.SaveDrives, settings.Priority, settings.LogfileDir,
                                  settings.NTFS_TimeDifference, settings.UTC_Time),
                  std::make_tuple(std::string("/mnt/a"), 8, std::string("/logs/"), 12, 13));
        const std::string saved = Saved();
        EXPECT_EQ(saved.substr(saved.find("[Config]")), config);
    }
}

// The run takes a yes/no option as on only when it is exactly 1: the loaded value, and so
// the check box and the saved file, must say the same.
TEST_F(ConfigFileTest, HandEditedYesNoValuesAreLoadedAndSavedAsTheRunTakesThem) {
    const struct {
        const char* written;
        YesNo loaded;
        YesNo subDirs;  // the scan takes any value but 0 as on
    } cases[] = {{"1", 1, 1},  {"0", 0, 0},  {"2", 0, 1},    {"257", 0, 1},
                 {"-1", 0, 1}, {"ja", 0, 0}, {"1 Tag", 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        settings = Settings{};
        const std::string value = c.written;
        LoadFrom("[Config]\r\nFileCheck_Date = " + value + "\r\nUpdateCheck = " + value +
                 "\r\n[Job #1]\r\nSubDirs = " + value + "\r\nCreateTargetSubDirs = " + value +
                 "\r\nDeleteFiles = " + value + "\r\n");
        EXPECT_EQ(settings.FileCheck_Date, c.loaded);
        EXPECT_EQ(settings.UpdateCheck, c.loaded);
        ASSERT_EQ(jobs.Count(), 1u);
        EXPECT_EQ(jobs.Select(0)->CreateTargetSubDirs, c.loaded);
        EXPECT_EQ(jobs.Select(0)->DeleteFiles, c.loaded);
        EXPECT_EQ(jobs.Select(0)->SubDirs, c.subDirs);
        const std::string saved = Saved();
        const std::string kept = std::to_string(c.loaded);
        EXPECT_NE(saved.find("\r\nFileCheck_Date = " + kept + "\r\n"), std::string::npos);
        EXPECT_NE(saved.find("\r\nUpdateCheck = " + kept + "\r\n"), std::string::npos);
        EXPECT_NE(saved.find("\r\nDeleteFiles = " + kept + "\r\n"), std::string::npos);
    }
}

TEST_F(ConfigFileTest, MissingKeysKeepTheValuesInPlace) {
    settings.DefaultSubDirs = 0;
    settings.DefaultDeleteFiles = 1;
    settings.DefaultFileCheckSum = 2;
    LoadFrom("[Config]\nSecureLog = 1\n[Job #1]\nTitle = Nur ein Titel\n");
    EXPECT_EQ(settings.SecureLog, 1);
    EXPECT_EQ(settings.Logging, 1);
    EXPECT_EQ(settings.LogfileDir, "/opt/quorvex/");
    EXPECT_EQ(settings.NTFS_TimeDifference, 2);
    EXPECT_EQ(settings.ProtectDrives, 0);
    ASSERT_EQ(jobs.Count(), 1u);
    SyncJob expected;
    expected.Title = "Nur ein Titel";
    expected.Source = "(LEER)";
    expected.Target = "(LEER)";
    expected.DeleteFiles = 1;
    expected.FileCheckSum = 2;
    EXPECT_EQ(Fields(*jobs.Select(0)), Fields(expected));
}

TEST_F(ConfigFileTest, LoadingStopsAtTheFirstMissingJobNumber) {
    AddJob(MakeJob("old", "/a/", "/b/"));
    LoadFrom("[Job #1]\nTitle = eins\n[Job #2]\nTitle = zwei\n[Job #4]\nTitle = vier\n");
    ASSERT_EQ(jobs.Count(), 2u);
    EXPECT_EQ(jobs.Select(0)->Title, "eins");
    EXPECT_EQ(jobs.Select(1)->Title, "zwei");
}

TEST_F(ConfigFileTest, KeysAndGroupsThisProgramDoesNotKnowAreDroppedAtTheNextSave) {
    LoadFrom("; eigener Kommentar\n[Config]\nLogging = 0\nMeinSchalter = 1\n[Extra]\nx = 1\n");
    const std::string saved = Saved();
    EXPECT_EQ(saved.find("MeinSchalter"), std::string::npos);
    EXPECT_EQ(saved.find("Extra"), std::string::npos);
    EXPECT_EQ(saved.find("eigener Kommentar"), std::string::npos);
    EXPECT_NE(saved.find("\r\nLogging = 0\r\n"), std::string::npos);
}

TEST_F(ConfigFileTest, DeletingTheSecondOfThreeJobsRenumbersTheGroups) {
    LoadFrom("[Job #1]\nTitle = eins\n[Job #2]\nTitle = zwei\n[Job #3]\nTitle = drei\n");
    jobs.Select(1);
    jobs.DeleteCurrent();
    const std::string saved = Saved();
    EXPECT_NE(saved.find("[Job #1]\r\nTitle = eins\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Job #2]\r\nTitle = drei\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("[Job #3]"), std::string::npos);
    EXPECT_EQ(saved.find("zwei"), std::string::npos);
}

TEST_F(ConfigFileTest, ProtectedDriveListSurvivesASaveUntouched) {
    LoadFrom("[Config]\nSaveDrives = /mnt/usb,/media/stick\n");
    EXPECT_EQ(settings.ProtectDrives, 1);
    EXPECT_NE(Saved().find("\r\nSaveDrives = /mnt/usb,/media/stick\r\n"), std::string::npos);

    settings.ProtectDrives = 0;  // the user unticked the box: the list is not kept
    EXPECT_NE(Saved().find("\r\nSaveDrives = \r\n"), std::string::npos);
}

TEST_F(ConfigFileTest, OptionFieldTextsAreSavedInPlaceOfTheValuesInUse) {
    ASSERT_TRUE(Save(OptionFieldTexts{"/typed/as is", "15 Sekunden"}));
    const std::string saved = test::ReadFile(Path());
    EXPECT_NE(saved.find("\r\nLogfileDir = /typed/as is\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nNTFS_TimeDifference = 15\r\n"), std::string::npos);

    ASSERT_TRUE(Save(OptionFieldTexts{"", "keine Zahl"}));
    EXPECT_NE(test::ReadFile(Path()).find("\r\nNTFS_TimeDifference = 0\r\n"), std::string::npos);
}

TEST_F(ConfigFileTest, MissingFileKeepsTheDefaults) {
    AddJob(MakeJob("bleibt", "/a/", "/b/"));
    const Settings before = settings;
    EXPECT_FALSE(Load());
    EXPECT_TRUE(DebugLogHas("Keine INI-Datei"));
    EXPECT_EQ(StoredFields(settings), StoredFields(before));
    EXPECT_EQ(jobs.Count(), 1u);
}

TEST_F(ConfigFileTest, AFileThatCannotBeCreatedIsOnlyTraced) {
    EXPECT_FALSE(SaveConfiguration(dir / "missing/Quorvex.ini", settings, jobs, log, kNow));
    EXPECT_TRUE(DebugLogHas("Konnte Konfig-Datei nicht speichern"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ConfigFileTest, AWriteThatFailsHalfwayKeepsTheOldFile) {
    const std::string old = "[Config]\r\nLogging = 0\r\n";
    test::WriteFile(Path(), old);
    for (int i = 0; i < 20; ++i) {
        AddJob(MakeJob("Job", "/quelle/", "/ziel/"));
    }
    // The file size limit stands in for a full disk: the new contents cannot be written.
    const int status = test::RunInChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{400, 400};
        setrlimit(RLIMIT_FSIZE, &limit);
        return Save() ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::ReadFile(Path()), old);
    EXPECT_TRUE(DebugLogHas("Konnte Konfig-Datei nicht speichern"));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);  // the old file and the debug log; no temporary file is left
}

}  // namespace
}  // namespace quorvex
