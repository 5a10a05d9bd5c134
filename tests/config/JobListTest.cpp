#include <gtest/gtest.h>

#include "config/JobList.h"
#include "support/PlatformFacts.h"

namespace quorvex {
namespace {

JobList FiveJobs() {
    JobList jobs;
    for (int i = 1; i <= 5; ++i) {
        jobs.AddAfterCurrent().Title = "job" + std::to_string(i);
    }
    return jobs;
}

std::vector<std::string> Titles(const JobList& jobs) {
    std::vector<std::string> titles;
    for (const SyncJob& job : jobs) {
        titles.push_back(job.Title);
    }
    return titles;
}

TEST(JobListTest, AddingKeepsTheOrderOfTheCalls) {
    JobList jobs = FiveJobs();
    EXPECT_EQ(Titles(jobs), (std::vector<std::string>{"job1", "job2", "job3", "job4", "job5"}));
    EXPECT_EQ(jobs.CurrentPosition(), 4);
}

TEST(JobListTest, AddAfterTheSecondOfFivePlacesTheNewJobThird) {
    JobList jobs = FiveJobs();
    jobs.Select(1);
    jobs.AddAfterCurrent().Title = "new";
    EXPECT_EQ(Titles(jobs),
              (std::vector<std::string>{"job1", "job2", "new", "job3", "job4", "job5"}));
    EXPECT_EQ(jobs.CurrentPosition(), 2);
}

TEST(JobListTest, AddAfterAFullWalkAppends) {
    JobList jobs = FiveJobs();
    jobs.ResetCursor();
    int walked = 0;
    while (jobs.Next() != nullptr) {
        ++walked;
    }
    EXPECT_EQ(walked, 5);
    EXPECT_EQ(jobs.CurrentPosition(), 4);  // the walk leaves the last job current
    jobs.AddAfterCurrent().Title = "new";
    EXPECT_EQ(Titles(jobs).back(), "new");
    EXPECT_EQ(jobs.Count(), 6u);
}

TEST(JobListTest, AddAfterAResetWithoutSteppingGoesFirst) {
    JobList jobs = FiveJobs();
    jobs.ResetCursor();
    jobs.AddAfterCurrent().Title = "new";
    EXPECT_EQ(Titles(jobs).front(), "new");
}

TEST(JobListTest, DeleteMovesTheCursorBack) {
    JobList jobs = FiveJobs();
    jobs.Select(2);
    jobs.DeleteCurrent();
    EXPECT_EQ(jobs.Current()->Title, "job2");
    jobs.Select(0);
    jobs.DeleteCurrent();
    EXPECT_EQ(jobs.Current(), nullptr);
    jobs.AddAfterCurrent().Title = "front";
    EXPECT_EQ(Titles(jobs), (std::vector<std::string>{"front", "job2", "job4", "job5"}));
}

TEST(JobListTest, NewJobsAreZeroed) {
    JobList jobs;
    const SyncJob& job = jobs.AddAfterCurrent();
    EXPECT_EQ(job.Active, 0);
    EXPECT_EQ(job.Created, 0);
    EXPECT_TRUE(job.Source.empty());
    EXPECT_EQ(jobs.Select(5), nullptr);
}

TEST(JobListTest, ActiveMeansTicked) {
    SyncJob job;
    job.Active = kJobSelected;
    EXPECT_FALSE(job.IsActive());
    job.Active = kJobTicked | kJobSelected;
    EXPECT_TRUE(job.IsActive());
}

TEST(CommandLineJobTest, ReplacesTheListWithOneTickedJob) {
    JobList jobs = FiveJobs();
    Settings settings;
    settings.CmdSource = test::Rooted("/home/someone/Documents/Daten/");
    settings.CmdTarget = test::Rooted("/mnt/backup/");
    settings.CmdExtentions = "!.tmp";
    settings.DefaultSubDirs = 0;
    settings.DefaultDeleteFiles = 1;
    settings.DefaultFileCheckSum = 3;
    ASSERT_TRUE(BuildCommandLineJob(settings, 1234, jobs));
    ASSERT_EQ(jobs.Count(), 1u);
    const SyncJob& job = *jobs.begin();
    EXPECT_EQ(job.Title, test::Rooted("/.../Daten/"));
    EXPECT_EQ(job.Active, kJobTicked);
    EXPECT_EQ(job.Created, 1234);
    EXPECT_EQ(job.Source, settings.CmdSource);
    EXPECT_EQ(job.Target, settings.CmdTarget);
    EXPECT_EQ(job.Extentions, "!.tmp");
    EXPECT_EQ(job.SubDirs, 0);
    EXPECT_EQ(job.DeleteFiles, 1);
    EXPECT_EQ(job.FileCheckSum, 3);
}

TEST(CommandLineJobTest, NeedsBothFolders) {
    JobList jobs = FiveJobs();
    Settings settings;
    settings.CmdSource = "/src/";
    EXPECT_FALSE(BuildCommandLineJob(settings, 0, jobs));
    EXPECT_EQ(jobs.Count(), 5u);
}

}  // namespace
}  // namespace quorvex
