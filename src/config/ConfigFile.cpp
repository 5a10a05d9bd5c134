#include "config/ConfigFile.h"

#include "config/IniFile.h"
#include "config/OptionTable.h"
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

// The run takes a yes/no value as on only when it is exactly 1; a hand-edited 2 must not
// show a ticked box for an option the run leaves off, so such values become 0 here (and so
// in the file at the next save).
YesNo ReadYesNo(const IniFile& ini, const char* key, YesNo fallback) {
    return IsOn(ini.ReadInteger(key, fallback)) ? 1 : 0;
}

// A missing key keeps the field's value.
void ReadOption(const IniFile& ini, const OptionRow& row, Settings& settings) {
    switch (row.kind) {
        case OptionKind::Flag:
            settings.*row.flag = ReadYesNo(ini, row.iniKey, settings.*row.flag);
            return;
        case OptionKind::Integer:
            settings.*row.integer = ini.ReadInteger(row.iniKey, settings.*row.integer);
            return;
        case OptionKind::Text:
        case OptionKind::Folder:
        case OptionKind::FolderOrEmpty:
            // The log folder may have been saved as typed; the run log appends file names to it.
            settings.*row.text = KeptText(row.kind, ini.ReadText(row.iniKey, settings.*row.text));
            return;
    }
}

void ReadOptions(const IniFile& ini, Settings& settings) {
    for (const OptionRow& row : OptionTable()) {
        if (row.iniKey != nullptr) {
            ReadOption(ini, row, settings);
        }
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
    // The scan has always taken any value but 0 as "with subfolders"; the job folder and the
    // deletion only exactly 1. Loaded that way, the editor shows what the run does.
    job.SubDirs = ini.ReadInteger("SubDirs", settings.DefaultSubDirs) != 0 ? 1 : 0;
    job.CreateTargetSubDirs =
        ReadYesNo(ini, "CreateTargetSubDirs", settings.DefaultCreateTargetSubDirs);
    job.DeleteFiles = ReadYesNo(ini, "DeleteFiles", settings.DefaultDeleteFiles);
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

void WriteOption(IniFile& ini, const OptionRow& row, const Settings& settings) {
    switch (row.kind) {
        case OptionKind::Flag:
            ini.WriteInteger(row.iniKey, settings.*row.flag);
            return;
        case OptionKind::Integer:
            ini.WriteInteger(row.iniKey, settings.*row.integer);
            return;
        case OptionKind::Text:
        case OptionKind::Folder:
        case OptionKind::FolderOrEmpty:
            ini.WriteText(row.iniKey, settings.*row.text);
            return;
    }
}

// The drives are kept only while their protection is on; the page's fields win over the
// values in use.
Settings StoredValues(const Settings& settings, const std::optional<OptionFieldTexts>& fields) {
    Settings stored = settings;
    if (!IsOn(stored.ProtectDrives)) {
        stored.SaveDrives.clear();
    }
    if (fields) {
        stored.LogfileDir = fields->logfileDir;
        stored.NTFS_TimeDifference = LeadingInteger(fields->timeDifference);
    }
    return stored;
}

void WriteOptions(IniFile& ini, const Settings& settings,
                  const std::optional<OptionFieldTexts>& fields) {
    ini.SelectGroup(kConfigGroup);
    const Settings stored = StoredValues(settings, fields);
    for (const OptionRow& row : OptionTable()) {
        if (row.iniKey != nullptr) {
            WriteOption(ini, row, stored);
        }
    }
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

bool LoadConfiguration(const std::string& path, Settings& settings, JobList& jobs, LogSink& log) {
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
                       LogSink& log, DateValue now, const std::optional<OptionFieldTexts>& fields) {
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
