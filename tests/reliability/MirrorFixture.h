#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "config/SyncJob.h"
#include "program/Program.h"
#include "reliability/TreeGuard.h"
#include "support/NativePath.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "support/TreeCheck.h"
#include "sync/RunJob.h"

namespace quorvex::test {

// A source and a target in one temporary folder, a job between them run in this process
// with a scripted pump, and the trees as they were before the run, for the loss check.
class MirrorScene {
  public:
    explicit MirrorScene(bool window = false) : test(window) {
        MakeFolder(src);
        MakeFolder(dst);
    }

    SyncJob& Job(bool mirror = true) {
        SyncJob& job = test.AddJob(src, dst);
        job.DeleteFiles = mirror ? 1 : 0;
        return job;
    }

    // Remembers both trees, then runs the job as the first of its run.
    bool Sync(const SyncJob& job) {
        sourceBefore = ReadTree(src);
        targetBefore = ReadTree(dst);
        test.program.engine.jobNumber = 1;
        test.program.engine.activeJobs = 1;
        return RunJob(test.program, job);
    }

    std::string Losses(bool mirror = true) const {
        return LossReport(sourceBefore, targetBefore, src, dst, mirror);
    }

    Lines Log() const { return MaskLines(test.LogLines()); }

    bool Logged(const std::string& line) const {
        const Lines& lines = test.LogLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // The "### " lines of the log: the outline every job must leave complete.
    Lines Outline() const {
        Lines outline;
        for (const std::string& line : Log()) {
            if (line.rfind("### ", 0) == 0) {
                const std::size_t cut = line.find_first_of("(:'");
                outline.push_back(cut == std::string::npos ? line : line.substr(0, cut + 1));
            }
        }
        return outline;
    }

    // Runs the action at the first poll after the log holds the line.
    void WhenLogged(const std::string& line, std::function<void()> action) {
        test.pump.At(
            [this, line, action, done = false](int) mutable {
                if (!done && Logged(line)) {
                    done = true;
                    action();
                }
                return false;
            },
            PumpEvent::None);
    }

    TempDir dir;
    const std::string src = dir / Native("src/");
    const std::string dst = dir / Native("dst/");
    TestProgram test;
    TreeContents sourceBefore;
    TreeContents targetBefore;
};

class MirrorFixture : public ::testing::Test, public MirrorScene {};

// A mirror run in window mode that shows its change list.
class WindowedDeletionFixture : public ::testing::Test, public MirrorScene {
  protected:
    WindowedDeletionFixture() : MirrorScene(true) { test.display.wantChangeList = true; }

    bool Row(const std::string& detail) const {
        const std::vector<std::string>& rows = test.program.changeList;
        return std::find(rows.begin(), rows.end(), "Job #1: Job" + detail) != rows.end();
    }
    long StatusTexts(const std::string& prefix) const {
        const std::vector<std::string>& texts = test.display.statusTexts;
        return std::count_if(texts.begin(), texts.end(), [&prefix](const std::string& text) {
            return text.rfind(prefix, 0) == 0;
        });
    }
};

}  // namespace quorvex::test
