#include <gtest/gtest.h>

#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "ui/JobEditor.h"
#include "ui/JobForm.h"

namespace quorvex {
namespace {

const std::string kNoFolder = "Es wurde kein Quell-/Zielverzeichnis gewählt!";
const std::string kSameFolder = "Quell- und Zielverzeichnis dürfen nicht gleich sein!";
const std::string kMissingFolder = "Quell- oder Zielverzeichnis existiert nicht!";

class JobFormTest : public ::testing::Test {
  protected:
    JobFormTest() {
        test::MakeFolder(dir / "quelle");
        test::MakeFolder(dir / "ziel");
        settings.DebugMode = 1;
        log.SetDebugLogPath(dir / "debug.log");
    }
    JobForm ValidForm() const {
        JobForm form;
        form.source = dir / "quelle/";
        form.target = dir / "ziel/";
        return form;
    }
    SyncJob& StoredJob() {
        SyncJob& job = jobs.AddAfterCurrent();
        job.Title = "Alt";
        job.Source = "/alt/quelle/";
        job.Target = "/alt/ziel/";
        job.Created = MakeDateValue({2020, 5, 6, 7, 8, 9});
        job.LastRun = MakeDateValue({2021, 1, 1, 0, 0, 0});
        job.Extentions = ".txt";
        job.SubDirs = 1;
        job.DeleteFiles = 1;
        job.FileCheckSum = 3;
        return job;
    }
    bool Save(const JobForm& form) { return SaveJobForm(form, jobs, dialogs, log, now); }

    test::TempDir dir;
    Settings settings;
    test::RecordingDialogs dialogs;
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log{settings, dialogs, clock};
    JobList jobs;
    const DateValue now = MakeDateValue({2025, 6, 30, 12, 0, 0});
};

TEST_F(JobFormTest, AnEmptyTitleBecomesTheSourceShortenedTo30Characters) {
    JobForm form;
    form.source = "/home/anna/Dokumente/Steuer/2024/Belege/";
    EXPECT_EQ(TitleOf(form), "/.../Steuer/2024/Belege/");
    form.source = "/srv/daten/";
    EXPECT_EQ(TitleOf(form), "/srv/daten/");
    form.title = " Mein Job ";
    EXPECT_EQ(TitleOf(form), " Mein Job ");  // as typed
}

TEST_F(JobFormTest, TheFilterComesFromTheSelectedOptionOnly) {
    JobForm form;
    form.includeText = ".jpg,.gif";
    form.excludeText = ".tmp,.bak";
    EXPECT_EQ(ExtensionsOf(form), "");
    form.extensionMode = ExtensionMode::Include;
    EXPECT_EQ(ExtensionsOf(form), ".jpg,.gif");
    form.extensionMode = ExtensionMode::Exclude;
    EXPECT_EQ(ExtensionsOf(form), "!.tmp,.bak");

    form.excludeText.clear();
    EXPECT_EQ(ExtensionsOf(form), "");
    form.extensionMode = ExtensionMode::Include;
    form.includeText.clear();
    EXPECT_EQ(ExtensionsOf(form), "") << "an empty include list means all files";
}

TEST_F(JobFormTest, TheChecksRunInOrderAndTheFirstFailureIsReported) {
    JobForm form;
    EXPECT_EQ(CheckJobForm(form), kNoFolder);  // empty and equal: emptiness comes first
    form.source = dir / "quelle/";
    EXPECT_EQ(CheckJobForm(form), kNoFolder);
    form.target = form.source;
    EXPECT_EQ(CheckJobForm(form), kSameFolder);
    form.source = "/gibt/es/nicht/";
    form.target = "/gibt/es/nicht/";
    EXPECT_EQ(CheckJobForm(form), kSameFolder) << "equality is checked before existence";
    form.target = dir / "ziel/";
    EXPECT_EQ(CheckJobForm(form), kMissingFolder);
    form.source = dir / "quelle/";
    form.target = dir / "ziel/datei.txt";
    test::WriteFile(form.target, "kein Ordner");
    EXPECT_EQ(CheckJobForm(form), kMissingFolder);
    form.target = dir / "ziel";
    EXPECT_EQ(CheckJobForm(form), "");
}

TEST_F(JobFormTest, OneFolderWithAndWithoutItsSeparatorCountsAsEqual) {
    JobForm form = ValidForm();
    form.target = dir / "quelle";
    EXPECT_EQ(CheckJobForm(form), kSameFolder);
}

TEST_F(JobFormTest, FoldersDifferingInCaseAreDistinctAndThenTestedForExistence) {
    test::MakeFolder(dir / "Daten");
    JobForm form;
    form.source = dir / "Daten/";
    form.target = dir / "daten/";
    EXPECT_EQ(CheckJobForm(form), kMissingFolder);
    test::MakeFolder(dir / "daten");
    EXPECT_EQ(CheckJobForm(form), "");
}

TEST_F(JobFormTest, ASavedExistingJobTakesTheValuesAsTypedAndBecomesActiveNow) {
    SyncJob& job = StoredJob();
    const DateValue lastRun = job.LastRun;
    JobForm form = ValidForm();
    form.target = dir / "ziel";  // no separator added
    form.title = "Neu ";
    form.createTargetSubDirs = true;
    form.compareContent = true;
    form.compareMethod = kCompareCrc;
    form.extensionMode = ExtensionMode::Exclude;
    form.excludeText = ".tmp,.bak";
    ASSERT_TRUE(Save(form));

    EXPECT_EQ(job.Source, dir / "quelle/");
    EXPECT_EQ(job.Target, dir / "ziel");
    EXPECT_EQ(job.Title, "Neu ");
    EXPECT_EQ(job.SubDirs, 0);
    EXPECT_EQ(job.CreateTargetSubDirs, 1);
    EXPECT_EQ(job.DeleteFiles, 0);
    EXPECT_EQ(job.FileCheckSum, 2);
    EXPECT_EQ(job.Extentions, "!.tmp,.bak");
    EXPECT_EQ(job.Active, 2);
    EXPECT_EQ(job.Created, now);
    EXPECT_EQ(job.LastRun, lastRun);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(test::ReadFile(dir / "debug.log")
                  .find("Job added: " + dir / "quelle/" + " -> " + dir / "ziel\r\n"),
              std::string::npos);
}

TEST_F(JobFormTest, AFailedSaveStoresNothingAndTellsWhy) {
    SyncJob& job = StoredJob();
    const SyncJob before = job;
    JobForm form = ValidForm();
    form.target = dir / "fehlt/";
    EXPECT_FALSE(Save(form));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kMissingFolder);
    EXPECT_EQ(dialogs.messages[0].title, "Quorvex");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(job.Source, before.Source);
    EXPECT_EQ(job.Title, before.Title);
    EXPECT_EQ(job.Created, before.Created);
    EXPECT_EQ(job.Active, before.Active);
    EXPECT_FALSE(test::PathExists(dir / "debug.log"));
}

TEST_F(JobFormTest, CancellingRemovesOnlyAJobThatWasNeverSaved) {
    StoredJob();
    jobs.AddAfterCurrent();
    EXPECT_FALSE(Save(JobForm()));  // a failed save leaves the new job unsaved
    DropUnsavedJob(jobs);
    ASSERT_EQ(jobs.Count(), 1u);
    EXPECT_EQ(jobs.Current()->Title, "Alt");
    DropUnsavedJob(jobs);
    EXPECT_EQ(jobs.Count(), 1u);
}

TEST_F(JobFormTest, AJobOpensWithItsFilterModeAndComparison) {
    SyncJob job;
    JobForm form = FormOfJob(job);
    EXPECT_EQ(form.extensionMode, ExtensionMode::AllFiles);
    EXPECT_FALSE(form.compareContent);

    job.Extentions = ".jpg,.gif";
    job.FileCheckSum = 3;
    form = FormOfJob(job);
    EXPECT_EQ(form.extensionMode, ExtensionMode::Include);
    EXPECT_EQ(form.includeText, ".jpg,.gif");
    EXPECT_TRUE(form.compareContent);
    EXPECT_EQ(form.compareMethod, kCompareMd5);

    job.FileCheckSum = 7;
    EXPECT_EQ(FormOfJob(job).compareMethod, kCompareQsm);
}

TEST_F(JobFormTest, AnExcludeListReopensInExcludeMode) {
    SyncJob& job = StoredJob();
    JobForm form = ValidForm();
    form.extensionMode = ExtensionMode::Exclude;
    form.excludeText = ".tmp,.bak";
    ASSERT_TRUE(Save(form));
    const JobForm reopened = FormOfJob(job);
    EXPECT_EQ(reopened.extensionMode, ExtensionMode::Exclude);
    EXPECT_EQ(reopened.excludeText, ".tmp,.bak");
    EXPECT_EQ(reopened.includeText, "");
    EXPECT_FALSE(EnablingOf(reopened).includeText);
    EXPECT_TRUE(EnablingOf(reopened).excludeText);
}

TEST_F(JobFormTest, TickingTheComparisonProposesQsmOnlyForAJobStoredWithoutOne) {
    JobForm form;
    form.compareMethod = kCompareMd5;
    ToggleCompareContent(form, true, 0);
    EXPECT_EQ(form.compareMethod, kCompareQsm);
    EXPECT_TRUE(EnablingOf(form).compareMethods);

    form.compareMethod = kCompareMd5;
    ToggleCompareContent(form, true, 3);
    EXPECT_EQ(form.compareMethod, kCompareMd5);
    ToggleCompareContent(form, false, 3);
    EXPECT_FALSE(EnablingOf(form).compareMethods);
}

TEST_F(JobFormTest, AFolderPerBackupClearsAndGreysMirroringAndComparison) {
    JobForm form;
    form.deleteFiles = true;
    form.compareContent = true;
    ToggleTargetSubDirs(form, true);
    EXPECT_FALSE(form.deleteFiles);
    EXPECT_FALSE(form.compareContent);
    FormEnabling enabling = EnablingOf(form);
    EXPECT_FALSE(enabling.deleteFiles);
    EXPECT_FALSE(enabling.compareContent);
    EXPECT_FALSE(enabling.compareMethods);

    form.deleteFiles = true;
    ToggleTargetSubDirs(form, false);
    EXPECT_FALSE(form.deleteFiles) << "unticking clears them as well";
    enabling = EnablingOf(form);
    EXPECT_TRUE(enabling.deleteFiles);
    EXPECT_TRUE(enabling.compareContent);
}

}  // namespace
}  // namespace quorvex
