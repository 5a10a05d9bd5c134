#include "ui/JobForm.h"

#include "platform/DirectoryListing.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {

constexpr int kTitleLength = 30;

bool SameFolder(const std::string& source, const std::string& target) {
    // "/daten" and "/daten/" name one folder; letters in other case name another.
    return WithTrailingSeparator(source) == WithTrailingSeparator(target);
}

}  // namespace

JobForm FormOfJob(const SyncJob& job) {
    JobForm form;
    form.source = job.Source;
    form.target = job.Target;
    form.title = job.Title;
    form.subDirs = job.SubDirs != 0;
    form.createTargetSubDirs = job.CreateTargetSubDirs != 0;
    form.deleteFiles = job.DeleteFiles != 0;
    form.compareContent = job.FileCheckSum > 0;
    if (job.FileCheckSum == kCompareCrc || job.FileCheckSum == kCompareMd5) {
        form.compareMethod = job.FileCheckSum;
    }
    if (job.Extentions.empty()) {
        form.extensionMode = ExtensionMode::AllFiles;
    } else if (job.Extentions[0] == '!') {
        form.extensionMode = ExtensionMode::Exclude;
        form.excludeText = job.Extentions.substr(1);
    } else {
        form.extensionMode = ExtensionMode::Include;
        form.includeText = job.Extentions;
    }
    return form;
}

FormEnabling EnablingOf(const JobForm& form) {
    FormEnabling enabling;
    enabling.compareContent = !form.createTargetSubDirs;
    enabling.deleteFiles = !form.createTargetSubDirs;
    // The methods follow their box, also when the box itself is greyed.
    enabling.compareMethods = form.compareContent && enabling.compareContent;
    enabling.includeText = form.extensionMode == ExtensionMode::Include;
    enabling.excludeText = form.extensionMode == ExtensionMode::Exclude;
    return enabling;
}

void ToggleCompareContent(JobForm& form, bool ticked, std::uint8_t storedFileCheckSum) {
    if (storedFileCheckSum == 0) {
        form.compareMethod = kCompareQsm;
    }
    form.compareContent = ticked;
}

void ToggleTargetSubDirs(JobForm& form, bool ticked) {
    form.createTargetSubDirs = ticked;
    form.deleteFiles = false;
    form.compareContent = false;
}

std::string TitleOf(const JobForm& form) {
    return form.title.empty() ? ShortenPath(form.source, kTitleLength) : form.title;
}

std::string ExtensionsOf(const JobForm& form) {
    if (form.extensionMode == ExtensionMode::Exclude && !form.excludeText.empty()) {
        return "!" + form.excludeText;
    }
    if (form.extensionMode == ExtensionMode::Include && !form.includeText.empty()) {
        return form.includeText;
    }
    return std::string();
}

std::uint8_t FileCheckSumOf(const JobForm& form) {
    return form.compareContent ? form.compareMethod : 0;
}

std::string CheckJobForm(const JobForm& form) {
    if (form.source.empty() || form.target.empty()) {
        return "Es wurde kein Quell-/Zielverzeichnis gewählt!";
    }
    if (SameFolder(form.source, form.target)) {
        return "Quell- und Zielverzeichnis dürfen nicht gleich sein!";
    }
    if (!FolderExists(form.source) || !FolderExists(form.target)) {
        return "Quell- oder Zielverzeichnis existiert nicht!";
    }
    return std::string();
}

bool SaveJobForm(const JobForm& form, JobList& jobs, UserDialogs& dialogs, RunLog& log,
                 DateValue now) {
    const std::string problem = CheckJobForm(form);
    if (!problem.empty()) {
        dialogs.ShowMessage(problem, "Quorvex", MessageIcon::None);
        return false;
    }
    SyncJob* job = jobs.Current();
    if (job == nullptr) {
        return false;
    }
    job->Source = form.source;
    job->Target = form.target;
    job->Title = TitleOf(form);
    job->SubDirs = form.subDirs ? 1 : 0;
    job->CreateTargetSubDirs = form.createTargetSubDirs ? 1 : 0;
    job->DeleteFiles = form.deleteFiles ? 1 : 0;
    job->FileCheckSum = FileCheckSumOf(form);
    job->Extentions = ExtensionsOf(form);
    job->Active = kJobTicked;
    job->Created = now;
    log.Debug("Job added: " + form.source + " -> " + form.target);
    return true;
}

}  // namespace quorvex
