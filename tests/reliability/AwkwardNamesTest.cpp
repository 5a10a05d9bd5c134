// Names and entries that trip up programs working with paths: blanks, quotes, switches,
// bytes that are no UTF-8, the longest names, trees deeper than a path may be long,
// link loops and FIFOs.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "reliability/BinaryRuns.h"

namespace quorvex {
namespace {

using test::LogSection;
using test::ReadFile;
using test::RsyncDifferences;
using test::WriteFile;

constexpr long long kOld = 1700000000;

const std::vector<std::string> kAwkwardNames{"with blank.txt",
                                             " leading blank",
                                             "trailing blank ",
                                             "single'quote",
                                             "double\"quote",
                                             "-leading-dash",
                                             "--del",
                                             "-s",
                                             "latin1-\xE4\xF6\xFC.txt",
                                             "bytes-\xFF\xFE\x80",
                                             "new\nline",
                                             "back\\slash",
                                             "star*question?.txt",
                                             "pipe|bar",
                                             ".hidden",
                                             std::string(251, 'n') + ".txt"};

class AwkwardNamesTest : public ::testing::Test, protected test::BinaryRuns {};

TEST_F(AwkwardNamesTest, EveryNameIsMirroredAndDeletedLikeAnyOther) {
    const std::string longFolder = std::string(255, 'f') + "/";
    test::MakeFolder(src + longFolder);
    for (const std::string& name : kAwkwardNames) {
        WriteFile(src + name, "content of " + name);
        WriteFile(src + longFolder + name, "inner " + name);
        WriteFile(dst + "~" + name.substr(1), "surplus");
    }

    test::ProcessResult result = MirrorAsRoot();

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    result = MirrorAsRoot();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(LogSection(Log(), "### STATISTIK:", "").end()[-2],
              "- Die beiden Verzeichnisse waren gleich!");

    for (const std::string& name : kAwkwardNames) {
        unlink((src + longFolder + name).c_str());
    }
    result = MirrorAsRoot();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    EXPECT_EQ(LogSection(Log(), "### STATISTIK:", "")[8],
              "Dateien gelöscht: " + std::to_string(kAwkwardNames.size()));
}

// Builds a chain of folders below root, relative to each other, so that the whole path
// may grow past what one system call accepts. Returns the relative path.
std::string MakeDeepChain(const std::string& root, int levels, const std::string& name,
                          const std::string& content) {
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    std::string relative;
    for (int level = 0; level < levels; ++level) {
        mkdirat(fd, name.c_str(), 0755);
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
        relative += name + "/";
        const int file = openat(fd, "file.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::string text = content + std::to_string(level);
        EXPECT_EQ(write(file, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        close(file);
    }
    close(fd);
    return relative;
}

// Paths longer than the system's limit (4096 bytes) cannot be named in one call. The
// source is read by whole paths, so what lies deeper is neither copied nor deleted, and
// the run reports the folder it could not read; the target is reached folder by folder,
// so every file the source read found arrives.
TEST_F(AwkwardNamesTest, TreeDeeperThanThePathLimitLosesNothing) {
    const std::string name(200, 'd');
    const std::string chain = MakeDeepChain(src, 30, name, "level ");
    MakeDeepChain(dst, 30, name, "old level ");
    // Surplus files in the target, one shallow and one far below the limit.
    WriteFile(dst + name + "/surplus.txt", "surplus");
    const int deep = open((dst + chain.substr(0, 21 * 201)).c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_LT(deep, 0) << "the test needs a path longer than the system accepts";

    const test::ProcessResult result = MirrorAsRoot();

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    const std::vector<std::string> log = Log();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& line) {
                                return line.rfind("!!! FEHLER: Ordner nicht lesbar: '", 0) == 0 &&
                                       line.find("' (File name too long)") != std::string::npos;
                            }),
              1);
    const test::TreeContents source = test::ReadTree(src);
    const test::TreeContents target = test::ReadTree(dst);
    EXPECT_EQ(target.count(name + "/surplus.txt"), 0u);
    std::string path;
    for (int level = 0; level < 30; ++level) {
        path += name + "/";
        const std::string file = path + "file.txt";
        ASSERT_EQ(target.count(file), 1u) << level;
        if (src.size() + file.size() < 4096) {
            EXPECT_EQ(target.at(file), source.at(file)) << level;
        } else {
            EXPECT_EQ(target.at(file), "old level " + std::to_string(level)) << level;
        }
    }
    EXPECT_EQ(Losses(), "");
}

TEST_F(AwkwardNamesTest, LinkLoopsAndLinksToFoldersAreNeitherEnteredNorCopied) {
    test::MakeFolder(src + "real");
    WriteFile(src + "real/data.txt", "data");
    symlink("loop", (src + "loop").c_str());
    symlink("cycle-b", (src + "cycle-a").c_str());
    symlink("cycle-a", (src + "cycle-b").c_str());
    symlink("..", (src + "real/up").c_str());
    symlink(src.c_str(), (src + "real/root").c_str());
    symlink("data.txt", (src + "real/data-link.txt").c_str());
    symlink("missing", (src + "dangling").c_str());
    WriteFile(dst + "surplus.txt", "surplus");

    const test::ProcessResult result = MirrorAsRoot();

    // Links that lead nowhere are reported: they may stand for files on a missing disk.
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    const std::vector<std::string> log = Log();
    for (const char* name : {"cycle-a", "cycle-b", "dangling", "loop"}) {
        const std::string prefix = "!!! FEHLER: Verknüpfung ohne Ziel: '" + src + name + "' (";
        EXPECT_EQ(
            std::count_if(log.begin(), log.end(),
                          [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }),
            1)
            << name;
    }
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(test::ReadTree(dst), (test::TreeContents{{"real", "<folder>"},
                                                       {"real/data.txt", "data"},
                                                       {"real/data-link.txt", "data"}}));
}

TEST_F(AwkwardNamesTest, FifosAreNeverOpened) {
    WriteFile(src + "a.txt", "a");
    mkfifo((src + "pipe").c_str(), 0644);
    mkfifo((dst + "pipe").c_str(), 0644);
    mkfifo((dst + "a.txt").c_str(), 0644);
    mkfifo((dst + "surplus-pipe").c_str(), 0644);
    test::ProcessOptions options = test::InFolder(root.path());
    options.timeoutSeconds = 30;
    Remember();

    for (const char* checksum : {"-md5", "-crc", "-qsm"}) {
        const test::ProcessResult result = test::RunQuorvexBinary(
            {"-s", src, "-d", dst, "-logdir", logs, "-del", checksum, "-start", "-nowin"}, options);
        EXPECT_EQ(result.exitStatus, 0) << checksum << result.err;
    }
    EXPECT_EQ(Losses(), "");
    EXPECT_EQ(ReadFile(dst + "a.txt"), "a");
    EXPECT_EQ(
        test::ReadTree(dst),
        (test::TreeContents{{"a.txt", "a"}, {"pipe", "<other>"}, {"surplus-pipe", "<other>"}}));
}

}  // namespace
}  // namespace quorvex
