#include <gtest/gtest.h>

#include "support/RecordingDialogs.h"
#include "ui/JobListActions.h"

namespace quorvex {
namespace {

// An editor that remembers its titles and the job it was opened on, and optionally
// stores a source as a save would.
class ScriptedEditor : public JobEditor {
  public:
    explicit ScriptedEditor(JobList& jobs) : jobs_(jobs) {}
    bool Open(const std::string& title) override {
        titles.push_back(title);
        positions.push_back(jobs_.CurrentPosition());
        if (saveAs.empty()) {
            DropUnsavedJob(jobs_);
        } else {
            jobs_.Current()->Source = saveAs;
            jobs_.Current()->Title = saveAs;
        }
        return true;
    }
    std::vector<std::string> titles;
    std::vector<long> positions;
    std::string saveAs;

  private:
    JobList& jobs_;
};

class JobListActionsTest : public ::testing::Test {
  protected:
    JobListActionsTest() {
        for (int i = 1; i <= 5; ++i) {
            SyncJob& job = jobs.AddAfterCurrent();
            job.Title = "job" + std::to_string(i);
            job.Source = "/s" + std::to_string(i) + "/";
        }
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const SyncJob& job : jobs) {
            titles.push_back(job.Title);
        }
        return titles;
    }

    JobList jobs;
    test::RecordingDialogs dialogs;
    ScriptedEditor editor{jobs};
};

TEST_F(JobListActionsTest, ShiftAsksAboutAllJobsEvenWithARowSelected) {
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(DeleteJobs(jobs, dialogs, true, 1));
    EXPECT_EQ(jobs.Count(), 5u);
    EXPECT_TRUE(DeleteJobs(jobs, dialogs, true, 1));
    EXPECT_EQ(jobs.Count(), 0u);
    EXPECT_EQ(dialogs.questions,
              (std::vector<std::string>(2, "Möchten Sie wirklich ALLE Jobs löschen?")));
}

TEST_F(JobListActionsTest, TheSelectedJobIsDeletedAfterItsQuestion) {
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(DeleteJobs(jobs, dialogs, false, 2));
    EXPECT_TRUE(DeleteJobs(jobs, dialogs, false, 2));
    EXPECT_EQ(dialogs.questions.back(), "Möchten Sie den folgenden Job löschen?\r\n\r\njob3");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"job1", "job2", "job4", "job5"}));
}

TEST_F(JobListActionsTest, WithoutASelectionDeleteAndEditOnlyExplain) {
    EXPECT_FALSE(DeleteJobs(jobs, dialogs, false, -1));
    EXPECT_FALSE(EditSelectedJob(jobs, editor, dialogs, -1));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Es wurde kein Job gewählt, der gelöscht werden könnte");
    EXPECT_EQ(dialogs.messages[1].text, "Es wurde kein Job gewählt, der geändert werden könnte");
    EXPECT_EQ(dialogs.messages[0].title, "Quorvex");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(editor.titles.empty());
    EXPECT_EQ(jobs.Count(), 5u);
}

TEST_F(JobListActionsTest, EditingOpensTheEditorOnTheSelectedJob) {
    EXPECT_TRUE(EditSelectedJob(jobs, editor, dialogs, 1));
    EXPECT_EQ(editor.titles, std::vector<std::string>{"Job 2 ändern"});
    EXPECT_EQ(editor.positions, std::vector<long>{1});
    EXPECT_EQ(jobs.Count(), 5u);  // an existing job survives a cancel
}

TEST_F(JobListActionsTest, ANewJobFollowsTheCurrentOneAndACancelRemovesItAgain) {
    jobs.Select(1);
    AddJob(jobs, editor, "Job hinzufügen");
    EXPECT_EQ(editor.positions, std::vector<long>{2});
    EXPECT_EQ(Titles().size(), 5u);

    editor.saveAs = "neu";
    jobs.Select(1);
    AddJob(jobs, editor, "Neuen Job hinzufügen");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"job1", "job2", "neu", "job3", "job4", "job5"}));
    EXPECT_EQ(editor.titles.back(), "Neuen Job hinzufügen");
}

TEST_F(JobListActionsTest, RowStatesBecomeTheActiveValues) {
    TakeRowStates(jobs, {2, 0, 3, 1});
    std::vector<int> active;
    for (const SyncJob& job : jobs) {
        active.push_back(job.Active);
    }
    EXPECT_EQ(active, (std::vector<int>{2, 0, 3, 1, 0}));  // a missing row leaves its job alone
}

}  // namespace
}  // namespace quorvex
