// Mirror runs that meet POSIX-only entries and owners: links in surplus folders, and
// deletions that fail for "nobody".

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "reliability/MirrorFixture.h"
#include "support/ForkedChild.h"
#include "support/RootOnly.h"

namespace quorvex {
namespace {

using test::Lines;
using test::LogSection;
using test::WriteFile;

using MirrorExactnessTest = test::MirrorFixture;
using WindowedDeletionTest = test::WindowedDeletionFixture;

// Links inside a surplus folder are removed as links, and a surplus link is deleted like
// a file: what they point to stays, also outside the target.
TEST_F(MirrorExactnessTest, SurplusFoldersAreRemovedWithoutFollowingLinks) {
    const std::string outside = dir / "outside/";
    test::MakeFolder(outside + "folder");
    WriteFile(outside + "folder/precious.txt", "precious");
    WriteFile(outside + "file.txt", "also precious");
    test::MakeFolder(dst + "old/deeper");
    symlink((outside + "folder").c_str(), (dst + "old/to-folder").c_str());
    symlink((outside + "file.txt").c_str(), (dst + "old/deeper/to-file").c_str());
    symlink(outside.c_str(), (dst + "root-link").c_str());
    test::MakeFolder(src + "kept");
    const test::TreeContents outsideBefore = test::ReadTree(outside);
    const SyncJob& job = Job();

    EXPECT_TRUE(Sync(job));

    EXPECT_EQ(test::ReadTree(outside), outsideBefore);
    EXPECT_FALSE(test::PathExists(dst + "old"));
    EXPECT_EQ(
        LogSection(Log(), "### LÖSCHEN:", "### KOPIEREN:"),
        (Lines{"### LÖSCHEN:", "Ordner gelöscht: '" + dst + "old/'",
               "Datei gelöscht '" + dst + "root-link'", "### LÖSCHEN (1) DAUERTE: <time>", ""}));
    EXPECT_EQ(test::ReadTree(dst), (test::TreeContents{{"kept", "<folder>"}}));
}

// Rows for failures need deletions that fail, so the job runs as "nobody" in a child
// process and hands its rows and fields back through a file.
TEST_F(WindowedDeletionTest, FailedDeletionsGiveTheirRowsAndTheErrorField) {
    QUORVEX_REQUIRE_ROOT("gives the target to nobody and keeps a file of root's in it");
    const std::string out = dir / "out/";
    test::MakeFolder(out);
    test::MakeFolder(dst + "stuck");
    WriteFile(dst + "stuck/a.txt", "a");
    WriteFile(dst + "foreign.txt", "f");
    chmod(dir.path().c_str(), 0755);
    test::ShellOutput("chown -R 65534:65534 '" + dst + "' '" + out + "'");
    // Read-only and not nobody's: its mode cannot be changed, yet its folder lets it go.
    chown((dst + "foreign.txt").c_str(), 0, 0);
    chmod((dst + "foreign.txt").c_str(), 0444);
    chmod((dst + "stuck").c_str(), 0555);
    test.dialogs.yesNoAnswers.push_back(true);  // the source is empty
    const SyncJob& job = Job();

    const int status = test::RunInChild([&] {
        if (!test::DropToNobody()) {
            return 10;
        }
        Sync(job);
        std::ofstream file(out + "rows");
        for (const std::string& row : test.program.changeList) {
            file << row << "\n";
        }
        file << test.display.fields[static_cast<int>(StatField::DeleteErrors)] << "\n";
        return 0;
    });

    ASSERT_EQ(status, 0);
    EXPECT_EQ(test::ReadFile(out + "rows"),
              "Job #1: Job|Attributfehler|" + dst + "foreign.txt\n" +    //
                  "Job #1: Job|Quelle fehlt|" + dst + "foreign.txt\n" +  //
                  "Job #1: Job|Löschfehler|" + dst + "stuck/a.txt\n" +   //
                  "1\n");
    EXPECT_EQ(test::ReadFile(dst + "stuck/a.txt"), "a");
}

}  // namespace
}  // namespace quorvex
