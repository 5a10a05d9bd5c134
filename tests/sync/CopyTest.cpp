#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <utility>

#include "support/ForkedChild.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"
#include "support/TreeCheck.h"
#include "sync/CopyFileBuffered.h"
#include "sync/RunJob.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;
constexpr long long kTime = 1780000000;

// Access and modification time in UTC seconds.
std::pair<long long, long long> Times(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return {info.st_atim.tv_sec, info.st_mtim.tv_sec};
}

long long MTime(const std::string& path) {
    return Times(path).second;
}

unsigned Mode(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class CopyTest : public ::testing::Test {
  protected:
    CopyTest() {
        test::MakeFolder(src);
        test::MakeFolder(dst);
        test.program.engine.target = test.program.files->OpenTarget(dst, nullptr);
    }
    int Copy(const std::string& from, const std::string& to) {
        return CopyFileBuffered(test.program, from, to, nullptr);
    }
    std::string Leftovers() { return test::ShellOutput("ls -A " + dst + " | grep quorvex"); }

    test::TempDir dir;
    const std::string src = dir / "src/";
    const std::string dst = dir / "dst/";
    test::TestProgram test;
};

// Both times are set, so drivers that drop a lone modification time keep it; the UTC
// hours shift only the modification time.
TEST_F(CopyTest, CopiesAndNewFoldersTakeBothTimesWithTheUtcHours) {
    const long long in2040 = 2222164800;
    test::WriteFile(src + "a.txt", "content");
    const timespec sourceTimes[2] = {{kTime, 0}, {in2040, 0}};
    utimensat(AT_FDCWD, (src + "a.txt").c_str(), sourceTimes, 0);
    chmod((src + "a.txt").c_str(), 0444);
    test::MakeFolder(src + "sub");
    test::SetModificationTime(src + "sub", kTime);
    test.program.settings.UTC_Time = 2;

    EXPECT_TRUE(RunJob(test.program, test.AddJob(src, dst)));

    EXPECT_EQ(Times(dst + "a.txt"), std::make_pair(kTime, in2040 + 7200));
    EXPECT_EQ(test::ReadFile(dst + "a.txt"), "content");
    EXPECT_EQ(Mode(dst + "a.txt"), 0444u);
    EXPECT_EQ(Times(dst + "sub"), std::make_pair(kTime + 7200, kTime + 7200));
    EXPECT_EQ(Leftovers(), "");
}

// As root a copy keeps its source's owner and with it the set-id bits; a copy that
// cannot keep the owner must not hand its maker's identity to the program.
TEST_F(CopyTest, SetIdBitsStayOnlyWithTheirOwner) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root: changes owners and copies as nobody";
    }
    test::WriteFile(src + "users", "#!/bin/sh");
    ASSERT_EQ(chown((src + "users").c_str(), 65534, 65534), 0);
    test::WriteFile(src + "roots", "#!/bin/sh");
    chmod((src + "users").c_str(), 06755);
    chmod((src + "roots").c_str(), 06755);
    chmod(dir.path().c_str(), 0755);
    ASSERT_EQ(chown(dst.c_str(), 65534, 65534), 0);

    EXPECT_EQ(Copy(src + "users", dst + "users"), kCopyDone);
    const int status = test::RunInChild(
        [&] { return test::DropToNobody() ? Copy(src + "roots", dst + "roots") : 10; });

    struct stat users {};
    stat((dst + "users").c_str(), &users);
    EXPECT_EQ(users.st_uid, 65534u);
    EXPECT_EQ(users.st_gid, 65534u);
    EXPECT_EQ(Mode(dst + "users"), 06755u);
    EXPECT_EQ(status, kCopyDone);
    EXPECT_EQ(Mode(dst + "roots"), 0755u);
}

TEST_F(CopyTest, EmptySourceGivesAnEmptyTarget) {
    test::WriteFile(src + "empty", "");
    test::WriteFile(dst + "empty", "old");
    EXPECT_EQ(Copy(src + "empty", dst + "empty"), kCopyDone);
    EXPECT_EQ(test::ReadFile(dst + "empty"), "");
}

TEST_F(CopyTest, FailuresLeaveTheOldTargetAndNoTemporaryFile) {
    test::WriteFile(dst + "keep", "old");
    test::MakeFolder(src + "folder");
    test::WriteFile(src + "a", "new");
    test::MakeFolder(dst + "taken");

    EXPECT_EQ(Copy(src + "missing", dst + "keep"), kCopySourceMissing);
    EXPECT_EQ(Copy(src + "folder", dst + "keep"), kCopySourceMissing);
    ASSERT_EQ(mkfifo((src + "fifo").c_str(), 0644), 0);
    EXPECT_EQ(Copy(src + "fifo", dst + "keep"), kCopySourceMissing);
    ASSERT_EQ(symlink("nowhere", (src + "dangling").c_str()), 0);
    EXPECT_EQ(Copy(src + "dangling", dst + "keep"), kCopySourceMissing);
    ASSERT_EQ(symlink("loop", (src + "loop").c_str()), 0);
    EXPECT_EQ(Copy(src + "loop", dst + "keep"), kCopySourceMissing);
    EXPECT_EQ(Copy(src + "a", dst + "no/such/folder/a"), kCopyTargetNotCreated);
    EXPECT_EQ(Copy(src + "a", dst + "taken"), kCopyTargetNotCreated);
    EXPECT_EQ(test::ReadFile(dst + "keep"), "old");
    EXPECT_EQ(Leftovers(), "");
}

TEST_F(CopyTest, ProgressRunsAfterEveryBlock) {
    test::WriteFile(src + "big", std::string(3 * kCopyBlockSize + 10, 'x'));
    std::vector<int> progress;
    EXPECT_EQ(CopyFileBuffered(test.program, src + "big", dst + "big",
                               [&progress](int percent) { progress.push_back(percent); }),
              kCopyDone);
    EXPECT_EQ(progress, (std::vector<int>{33, 66, 99, 100}));
}

TEST_F(CopyTest, EscapeInTheMiddleOfALargeCopyKeepsTheOldTarget) {
    const std::string big(64 * kCopyBlockSize, 'N');
    test::WriteFile(src + "a.txt", "small");
    test::WriteFile(src + "big.bin", big);
    test::WriteFile(dst + "big.bin", "old version");
    test::SetModificationTime(dst + "big.bin", kTime);
    test.program.settings.WindowHidden = 0;
    const test::RecordingDisplay& display = test.display;
    test.pump.At(
        [&display](int) {
            return !display.fileProgress.empty() && display.fileProgress.back() > 0 &&
                   display.fileProgress.back() < 100;
        },
        PumpEvent::EscapeKey);
    test.program.engine.jobNumber = 1;
    SyncJob& job = test.AddJob(src, dst);

    EXPECT_TRUE(RunJob(test.program, job));

    EXPECT_EQ(test::ReadFile(dst + "big.bin"), "old version");
    EXPECT_EQ(MTime(dst + "big.bin"), kTime);
    EXPECT_EQ(test::ReadFile(dst + "a.txt"), "small");
    EXPECT_EQ(Leftovers(), "");
    ASSERT_EQ(test.dialogs.messages.size(), 1u);
    EXPECT_EQ(test.dialogs.messages[0].text, "Benutzer hat Operation abgebrochen");
    const Lines log = test::MaskLines(test.LogLines());
    EXPECT_EQ(test::LogSection(log, "### ÄNDERUNGEN:", "### STATISTIK:"),
              (Lines{"### ÄNDERUNGEN:", "Neue Datei: '" + src + "a.txt'",
                     "Datum geändert: '" + src + "big.bin'",
                     "### ÄNDERUNGEN (2) FESTSTELLEN DAUERTE: <time>", "",
                     "### KOPIEREN:", "Datei kopiert: '" + src + "a.txt' -> '" + dst + "a.txt'",
                     "!!! BENUTZERABBRUCH", "### KOPIEREN (1) DAUERTE: <time>", ""}));
    const Lines statistics = test::LogSection(log, "### STATISTIK:", "");
    ASSERT_EQ(statistics.size(), 20u);
    EXPECT_EQ(statistics[10], "Fehler beim Datei kopieren: 0");
    EXPECT_EQ(statistics.back(), "");
}

TEST_F(CopyTest, EscapeDuringTheSourceReadStillWritesEveryPhase) {
    test::WriteFile(src + "a", "a");
    test::WriteFile(src + "b", "b");
    test::WriteFile(dst + "x", "x");
    test.pump.AtPoll(3, PumpEvent::EscapeKey);
    SyncJob& job = test.AddJob(src, dst);
    job.DeleteFiles = 1;

    EXPECT_TRUE(RunJob(test.program, job));

    const Lines log = test::MaskLines(test.LogLines());
    EXPECT_EQ(test::LogSection(log, "### LESE QUELL-ORDNER: '" + src + "'", "### STATISTIK:"),
              (Lines{"### LESE QUELL-ORDNER: '" + src + "'", "Ordner: 0, Dateien: 1",
                     "### EINLESEN DAUERTE: <time>", "",
                     "### ÄNDERUNGEN:", "### ÄNDERUNGEN (0) FESTSTELLEN DAUERTE: <time>", "",
                     "### KOPIEREN:", "### KOPIEREN (0) DAUERTE: <time>", ""}));
    EXPECT_TRUE(test::PathExists(dst + "x")) << "no deletion after an abort";
}

// Without permission or room for a temporary file the content goes straight into the
// target, but only into a regular file of its own that it fits in. Each case runs in a
// child: as "nobody" for the permissions, in a mount namespace of its own for the small
// file system. The child reports the result, the target's content, the folder's entries
// and whether the debug log names the direct write.
struct InPlaceCase {
    const char* name;
    // Prepares the folder holding the target "t" and takes the child's identity: 0 when
    // ready, else the child's exit status.
    int (*enter)(const std::string& folder);
    const char* report;
};

void PrintTo(const InPlaceCase& inPlaceCase, std::ostream* out) {
    *out << inPlaceCase.name;
}

const std::string kOldContent(3 << 19, 'O');
const std::string kNewContent(7 << 18, 'N');

const std::string kDirectWriteLine =
    "Schreibe Zieldatei direkt (kein Platz/keine Rechte für temporäre Datei): '";

const char* Version(const std::string& content) {
    return content == kNewContent ? "new" : content == kOldContent ? "old" : "torn";
}

constexpr int kNotPrepared = 98;
constexpr int kNoSmallFileSystem = 99;

int LockFolderAsNobody(const std::string& folder, const std::string& writable) {
    const bool locked = chown(writable.c_str(), 65534, 65534) == 0 &&
                        chmod(folder.c_str(), 0555) == 0 && test::DropToNobody();
    return locked ? 0 : kNotPrepared;
}

int LockedFolder(const std::string& folder) {
    test::WriteFile(folder + "t", kOldContent);
    return LockFolderAsNobody(folder, folder + "t");
}

int LockedFolderHardLink(const std::string& folder) {
    test::WriteFile(folder + "t", kOldContent);
    return link((folder + "t").c_str(), (folder + "u").c_str()) == 0
               ? LockFolderAsNobody(folder, folder + "t")
               : kNotPrepared;
}

int LockedFolderSymbolicLink(const std::string& folder) {
    test::WriteFile(folder + "real", kOldContent);
    return symlink("real", (folder + "t").c_str()) == 0
               ? LockFolderAsNobody(folder, folder + "real")
               : kNotPrepared;
}

int SmallFileSystem(const std::string& folder) {
    const bool mounted = unshare(CLONE_NEWNS) == 0 &&
                         mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                         mount("quorvex-small", folder.c_str(), "tmpfs", 0, "size=2m") == 0;
    if (!mounted) {
        return kNoSmallFileSystem;
    }
    test::WriteFile(folder + "t", kOldContent);
    return 0;
}

class InPlaceFallbackTest : public CopyTest, public ::testing::WithParamInterface<InPlaceCase> {};

TEST_P(InPlaceFallbackTest, WritesOverTheTargetOnlyWhereThatIsSafe) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root: runs as nobody and mounts a small file system";
    }
    test::WriteFile(src + "new", kNewContent);
    chmod(dir.path().c_str(), 0755);
    test.program.settings.DebugMode = 1;
    test.program.log.SetDebugLogPath(dir / "debug.log");
    const std::string reportPath = dir / "report";

    const int status = test::RunInChild([&] {
        std::ofstream report(reportPath);
        if (const int entered = GetParam().enter(dst); entered != 0) {
            return entered;
        }
        // The job opens its target when it starts, which is now: after the mount.
        test.program.engine.target = test.program.files->OpenTarget(dst, nullptr);
        const int code = Copy(src + "new", dst + "t");
        const Lines log = test.LogLines();
        const bool logged =
            std::find(log.begin(), log.end(), kDirectWriteLine + dst + "t'") != log.end();
        report << code << " " << Version(test::ReadFile(dst + "t")) << " |"
               << test::ShellOutput("ls -A " + dst + " | tr '\\n' ' '") << "|"
               << (logged ? " logged" : "");
        return 0;
    });

    if (status == kNoSmallFileSystem) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    ASSERT_EQ(status, 0);
    EXPECT_EQ(test::ReadFile(reportPath), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InPlaceFallbackTest,
    ::testing::Values(
        InPlaceCase{"FolderWithoutWritePermission", LockedFolder, "1 new |t | logged"},
        InPlaceCase{"HardLinkedTarget", LockedFolderHardLink, "-4 old |t u |"},
        InPlaceCase{"SymbolicLinkTarget", LockedFolderSymbolicLink, "-4 old |real t |"},
        InPlaceCase{"NoRoomBesideTheOldVersion", SmallFileSystem, "1 new |t | logged"}),
    [](const ::testing::TestParamInfo<InPlaceCase>& info) { return info.param.name; });

// A killed run leaves its temporary file behind; the next run removes it in either mode,
// but never one a live writer still holds, never one the source has, and never counts or
// logs either as a target file.
TEST_F(CopyTest, TemporaryFilesOfAKilledRunGoOnesBeingWrittenStay) {
    for (const bool mirror : {false, true}) {
        SCOPED_TRACE(mirror ? "mirror" : "copy only");
        test::TempDir run;
        const std::string from = run / "src/";
        const std::string to = run / "dst/";
        test::MakeFolder(from + "sub");
        test::MakeFolder(to + "sub");
        test::WriteFile(from + "a.txt", "a");
        test::WriteFile(from + ".quorvex-Source", "the source's own");
        test::WriteFile(to + ".quorvex-Source", "old");
        test::WriteFile(to + ".quorvex-Stale1", "killed");
        test::WriteFile(to + "sub/.quorvex-Deep99", "killed");
        test::WriteFile(to + ".quorvex-Held22", "being written");
        test::WriteFile(to + ".quorvex-Longer7", "an ordinary file");
        const int writer = open((to + ".quorvex-Held22").c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(flock(writer, LOCK_EX), 0);
        test::TestProgram runner;
        runner.program.engine.jobNumber = 1;
        SyncJob& job = runner.AddJob(from, to);
        job.DeleteFiles = mirror ? 1 : 0;

        EXPECT_TRUE(RunJob(runner.program, job));
        close(writer);

        EXPECT_FALSE(test::PathExists(to + ".quorvex-Stale1"));
        EXPECT_FALSE(test::PathExists(to + "sub/.quorvex-Deep99"));
        EXPECT_EQ(test::ReadFile(to + ".quorvex-Held22"), "being written");
        EXPECT_EQ(test::ReadFile(to + ".quorvex-Source"), "the source's own");
        EXPECT_EQ(test::PathExists(to + ".quorvex-Longer7"), !mirror);
        EXPECT_EQ(runner.program.engine.stats.targetFiles, 2);
        const Lines log = runner.LogLines();
        const Lines deleted = test::LogSection(log, "### LÖSCHEN:", "### KOPIEREN:");
        EXPECT_EQ(deleted.size(), mirror ? 4u : 0u);
        if (mirror) {
            EXPECT_EQ(deleted[1], "Datei gelöscht '" + to + ".quorvex-Longer7'");
        }
    }
}

}  // namespace
}  // namespace quorvex
