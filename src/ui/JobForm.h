#pragma once

#include <cstdint>
#include <string>

#include "config/JobList.h"
#include "platform/DateTime.h"
#include "program/RunLog.h"
#include "report/UserDialogs.h"

namespace quorvex {

// Which files a job takes: all, only the listed extensions, or all but the listed ones.
enum class ExtensionMode { AllFiles, Include, Exclude };

// The content comparisons the editor offers; the values are those of FileCheckSum.
constexpr std::uint8_t kCompareQsm = 1;
constexpr std::uint8_t kCompareCrc = 2;
constexpr std::uint8_t kCompareMd5 = 3;

// What the job editor's controls hold, as plain values. Texts stay exactly as typed.
struct JobForm {
    std::string source;
    std::string target;
    std::string title;
    bool subDirs = false;
    bool createTargetSubDirs = false;
    bool deleteFiles = false;
    bool compareContent = false;
    std::uint8_t compareMethod = kCompareQsm;  // the selected one of QSM, CRC, MD5
    ExtensionMode extensionMode = ExtensionMode::AllFiles;
    std::string includeText;
    std::string excludeText;
};

// Which of the form's controls take input.
struct FormEnabling {
    bool compareContent = true;
    bool compareMethods = false;
    bool deleteFiles = true;
    bool includeText = false;
    bool excludeText = false;
};

// The form a job opens with. The folder texts are the stored ones; the window may show
// the path its folder tree reached instead.
JobForm FormOfJob(const SyncJob& job);
FormEnabling EnablingOf(const JobForm& form);

// "Dateiinhalt vergleichen via" ticked or unticked: a job stored without content
// comparison proposes QSM.
void ToggleCompareContent(JobForm& form, bool ticked, std::uint8_t storedFileCheckSum);
// "Unterordner für jedes Backup anlegen" clicked either way clears mirroring and content
// comparison; the enabling then follows the box.
void ToggleTargetSubDirs(JobForm& form, bool ticked);

// The values a save stores.
std::string TitleOf(const JobForm& form);
std::string ExtensionsOf(const JobForm& form);
std::uint8_t FileCheckSumOf(const JobForm& form);

// The message of the first check the form fails, empty when it may be saved.
std::string CheckJobForm(const JobForm& form);

// Checks the form and, when it passes, stores it into the current job, which becomes
// active with the creation date now. A failed check is shown to the user and nothing is
// stored. True when the job was stored.
bool SaveJobForm(const JobForm& form, JobList& jobs, UserDialogs& dialogs, RunLog& log,
                 DateValue now);

}  // namespace quorvex
