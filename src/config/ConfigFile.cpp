#include "config/ConfigFile.h"

#include "config/IniFile.h"
#include "config/ProductInfo.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {

constexpr const char* kConfigGroup = "Config";
constexpr const char* kMissingFolder = "(LEER)";

std::string JobGroup(std::size_t number) {
    return "Job #" + std::to_string(number);
}

// Yes/no values keep the low byte of whatever number the file holds.
void ReadYesNo(const IniFile& ini, const char* key, YesNo& field) {
    field = static_cast<YesNo>(ini.ReadInteger(key, field));
}

void ReadInteger(const IniFile& ini, const char* key, std::int32_t& field) {
    field = ini.ReadInteger(key, field);
}

void ReadOptions(const IniFile& ini, Settings& settings) {
    ReadYesNo(ini, "Logging", settings.Logging);
    ReadYesNo(ini, "SecureLog", settings.SecureLog);
    ReadYesNo(ini, "AutoExit", settings.AutoExit);
    ReadYesNo(ini, "LogfileNo", settings.LogfileNo);
    settings.SaveDrives = ini.ReadText("SaveDrives", settings.SaveDrives);
    ReadYesNo(ini, "AutoMinimize", settings.AutoMinimize);
    ReadYesNo(ini, "LockWorkStation", settings.LockWorkStation);
    ReadInteger(ini, "Priority", settings.Priority);
    ReadYesNo(ini, "UpdateCheck", settings.UpdateCheck);
    ReadYesNo(ini, "Shutdown", settings.Shutdown);
    ReadYesNo(ini, "Systray", settings.Systray);
    settings.LogfileDir = ini.ReadText("LogfileDir", settings.LogfileDir);
    ReadInteger(ini, "NTFS_TimeDifference", settings.NTFS_TimeDifference);
    ReadInteger(ini, "UTC_Time", settings.UTC_Time);
    ReadYesNo(ini, "CheckTargetSpace", settings.CheckTargetSpace);
    ReadYesNo(ini, "FileCheck_Date", settings.FileCheck_Date);
    ReadYesNo(ini, "FileCheck_Attribute", settings.FileCheck_Attribute);
    ReadYesNo(ini, "Filecheck_Exist", settings.Filecheck_Exist);
    // The log folder may have been saved as typed; the run log appends file names to it.
    if (!settings.LogfileDir.empty()) {
        settings.LogfileDir = WithTrailingSeparator(settings.LogfileDir);
    }
}

void ReadJob(const IniFile& ini, const Settings& settings, SyncJob& job) {
    job.Title = ini.ReadText("Title", "");
    job.Active = static_cast<std::uint8_t>(ini.ReadInteger("Active", 0));
    job.Created = ini.ReadInteger64("Created", 0);
    job.LastRun = ini.ReadInteger64("LastRun", 0);
    job.Source = ini.ReadText("Source", kMissingFolder);
    job.Target = ini.ReadText("Target", kMissingFolder);
    job.Extentions = ini.ReadText("Extentions", "");
    job.SubDirs = static_cast<YesNo>(ini.ReadInteger("SubDirs", settings.DefaultSubDirs));
    job.CreateTargetSubDirs = static_cast<YesNo>(
        ini.ReadInteger("CreateTargetSubDirs", settings.DefaultCreateTargetSubDirs));
    job.DeleteFiles =
        static_cast<YesNo>(ini.ReadInteger("DeleteFiles", settings.DefaultDeleteFiles));
    job.FileCheckSum =
        static_cast<std::uint8_t>(ini.ReadInteger("FileCheckSum", settings.DefaultFileCheckSum));
}

void ReadJobs(IniFile& ini, const Settings& settings, JobList& jobs) {
    jobs.Clear();
    for (std::size_t number = 1; ini.SelectGroup(JobGroup(number)); ++number) {
        ReadJob(ini, settings, jobs.AddAfterCurrent());
    }
}

void WriteHeader(IniFile& ini, DateValue now) {
    ini.WriteComment(std::string(" Konfigurationsdatei von ") + kProductTitle);
    ini.WriteComment(" " + MakerLine(now));
    ini.WriteComment(std::string(" Web: ") + kWebAddress);
    ini.WriteComment(std::string(" Email: ") + kEmailAddress);
}

void WriteOptions(IniFile& ini, const Settings& settings,
                  const std::optional<OptionFieldTexts>& fields) {
    ini.SelectGroup(kConfigGroup);
    ini.WriteInteger("Logging", settings.Logging);
    ini.WriteInteger("SecureLog", settings.SecureLog);
    ini.WriteInteger("AutoExit", settings.AutoExit);
    ini.WriteInteger("LogfileNo", settings.LogfileNo);
    ini.WriteText("SaveDrives", settings.ProtectDrives == 1 ? settings.SaveDrives : "");
    ini.WriteInteger("AutoMinimize", settings.AutoMinimize);
    ini.WriteInteger("LockWorkStation", settings.LockWorkStation);
    ini.WriteInteger("Priority", settings.Priority);
    ini.WriteInteger("UpdateCheck", settings.UpdateCheck);
    ini.WriteInteger("Shutdown", settings.Shutdown);
    ini.WriteInteger("Systray", settings.Systray);
    ini.WriteText("LogfileDir", fields ? fields->logfileDir : settings.LogfileDir);
    ini.WriteInteger("NTFS_TimeDifference", fields ? LeadingInteger(fields->timeDifference)
                                                   : settings.NTFS_TimeDifference);
    ini.WriteInteger("UTC_Time", settings.UTC_Time);
    ini.WriteInteger("CheckTargetSpace", settings.CheckTargetSpace);
    ini.WriteInteger("FileCheck_Date", settings.FileCheck_Date);
    ini.WriteInteger("FileCheck_Attribute", settings.FileCheck_Attribute);
    ini.WriteInteger("Filecheck_Exist", settings.Filecheck_Exist);
}

void WriteJob(IniFile& ini, std::size_t number, const SyncJob& job) {
    ini.SelectGroup(JobGroup(number));
    ini.WriteText("Title", job.Title);
    ini.WriteInteger("Active", job.Active);
    ini.WriteInteger("Created", job.Created);
    ini.WriteInteger("LastRun", job.LastRun);
    ini.WriteText("Source", job.Source);
    ini.WriteText("Target", job.Target);
    ini.WriteText("Extentions", job.Extentions);
    ini.WriteInteger("SubDirs", job.SubDirs);
    ini.WriteInteger("CreateTargetSubDirs", job.CreateTargetSubDirs);
    ini.WriteInteger("DeleteFiles", job.DeleteFiles);
    ini.WriteInteger("FileCheckSum", job.FileCheckSum);
}

}  // namespace

std::string ConfigFilePath(const std::string& dataFolder) {
    return WithTrailingSeparator(dataFolder) + kConfigFileName;
}

bool LoadConfiguration(const std::string& path, Settings& settings, JobList& jobs, RunLog& log) {
    IniFile ini;
    if (!ini.OpenForReading(path)) {
        log.Debug("Keine INI-Datei");
        return false;
    }
    ini.SelectGroup(kConfigGroup);
    ReadOptions(ini, settings);
    ReadJobs(ini, settings, jobs);
    ini.Close();
    if (!settings.SaveDrives.empty()) {
        settings.ProtectDrives = 1;
    }
    return true;
}

bool SaveConfiguration(const std::string& path, const Settings& settings, const JobList& jobs,
                       RunLog& log, DateValue now, const std::optional<OptionFieldTexts>& fields) {
    IniFile ini;
    if (!ini.CreateForWriting(path)) {
        log.Debug("Konnte Konfig-Datei nicht speichern");
        return false;
    }
    WriteHeader(ini, now);
    WriteOptions(ini, settings, fields);
    std::size_t number = 0;
    for (const SyncJob& job : jobs) {
        WriteJob(ini, ++number, job);
    }
    if (!ini.Close()) {
        log.Debug("Konnte Konfig-Datei nicht speichern");
        return false;
    }
    log.Debug("Konfig-Datei gespeichert");
    return true;
}

}  // namespace quorvex
