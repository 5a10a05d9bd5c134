// A log folder on a full file system: an earlier log stays whole, and the failure reaches
// stderr and the exit status instead of passing as success.

#include <gtest/gtest.h>
#include <unistd.h>

#include "reliability/BinaryRuns.h"

namespace quorvex {
namespace {

class FullLogFolderTest : public ::testing::Test, protected test::SyncFixture {
  protected:
    // The log folder becomes a 64 KiB tmpfs filled up after the earlier log (if any) was
    // put in, in a mount namespace of its own; what the run left there is copied out.
    test::ProcessResult RunWithFullLogFolder(const std::vector<std::string>& extra,
                                             const std::string& earlierLog) {
        test::MakeFolder(after);
        std::string script = "mount -t tmpfs -o size=64k quorvex-logs '" + logs + "' || exit 99;";
        if (!earlierLog.empty()) {
            script += " printf '" + earlierLog + "' > '" + logs + "Quorvex.log';";
        }
        script += " head -c 1M /dev/zero > '" + logs + "filler' 2>/dev/null; '" +
                  std::string(QUORVEX_BINARY) + "' -s '" + src + "' -d '" + dst + "' -logdir '" +
                  logs + "'";
        for (const std::string& part : extra) {
            script += " " + part;
        }
        script += " -start -nowin; status=$?; cp -a '" + logs + ".' '" + after + "'; exit $status";
        return test::RunProcess({"unshare", "-m", "sh", "-c", script}, test::InFolder(root.path()));
    }

    const std::string after = root / "after/";
};

TEST_F(FullLogFolderTest, EarlierLogStaysWholeAndTheFailureIsReportedOnce) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    test::WriteFile(src + "a.txt", "a");
    struct Case {
        std::vector<std::string> extra;
        std::string earlierLog;  // printf format; empty for none
        std::string logAfter;
    };
    // A secure log starts a fresh file by design, so the earlier one is not kept there.
    const Case cases[] = {{{}, "earlier run\\r\\n", "earlier run\r\n"}, {{"-securelog"}, "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extra.empty() ? "buffered" : c.extra[0]);
        const test::ProcessResult result = RunWithFullLogFolder(c.extra, c.earlierLog);
        if (result.exitStatus == 99) {
            GTEST_SKIP() << "no tmpfs can be mounted here";
        }

        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err,
                  "Quorvex: Konnte Log-Datei nicht schreiben: " + logs + "Quorvex.log\n");
        EXPECT_EQ(test::ReadFile(after + "Quorvex.log"), c.logAfter);
        EXPECT_EQ(test::ShellOutput("ls -A '" + after + "'"), "Quorvex.log\nfiller\n");
        EXPECT_EQ(test::ReadFile(dst + "a.txt"), "a");
    }
}

}  // namespace
}  // namespace quorvex
