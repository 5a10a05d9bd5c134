#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "e2e/SyncFixture.h"
#include "platform/WideText_win32.h"

namespace quorvex {
namespace {

using test::LogSection;
using test::ReadFile;
using test::RsyncDifferences;
using test::WriteFile;
using Lines = std::vector<std::string>;

constexpr long long kNoon = 1780000000;

class WindowsBinaryTest : public ::testing::Test, protected test::SyncFixture {
  protected:
    void SetAttributes(const std::string& path, DWORD attributes) {
        ASSERT_TRUE(SetFileAttributesW(LongPath(path).c_str(), attributes)) << path;
    }
};

// A drive letter names the drive's root folder, in either case; a root holds every folder
// on its drive.
TEST_F(WindowsBinaryTest, DriveLettersAndRootsAreJudgedAsFolders) {
    test::MakeFolder(src + "inner");
    const std::string drive = src.substr(0, 2);
    std::string lowerSource = src;
    lowerSource[0] = static_cast<char>(lowerSource[0] - 'A' + 'a');
    const std::string overlap = "Quorvex: Quell- und Zielverzeichnis überschneiden sich!\n";
    const struct {
        std::string source;
        std::string target;
        std::string err;
    } cases[] = {
        {src, drive + "\\", overlap},
        {drive, dst, overlap},
        {lowerSource, src + "inner", overlap},
        {src + "inner", lowerSource, overlap},
        {lowerSource, src, "Quorvex: Quell- und Zielverzeichnis sind identisch!\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.target);
        const test::ProcessResult result = test::RunQuorvexBinary(
            {"-s", c.source, "-d", c.target, "-logdir", logs, "-start", "-nowin"},
            test::InFolder(root.path()));
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(test::ListedNames(logs), "");
    }
}

// Read-only, hidden and system are copied with the file, and a change of them alone is a
// change; a read-only target is overwritten.
TEST_F(WindowsBinaryTest, AttributesAreComparedAndCopied) {
    const struct {
        const char* name;
        DWORD attributes;
    } files[] = {
        {"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
        {"readonly.txt", FILE_ATTRIBUTE_READONLY},
        {"system.txt", FILE_ATTRIBUTE_SYSTEM},
    };
    for (const auto& file : files) {
        Put(src + file.name, file.name, kNoon);
        SetAttributes(src + file.name, file.attributes);
    }
    ASSERT_EQ(Sync().exitStatus, 0);
    EXPECT_EQ(RsyncDifferences(src, dst), "");

    SetAttributes(src + "hidden.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    SetAttributes(src + "system.txt", FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(Sync().exitStatus, 0);
    EXPECT_EQ(LogSection(Log(), "### ÄNDERUNGEN:", "### KOPIEREN:"),
              (Lines{"### ÄNDERUNGEN:", "Attribute geändert: '" + src + "hidden.txt'",
                     "Attribute geändert: '" + src + "system.txt'",
                     "### ÄNDERUNGEN (2) FESTSTELLEN DAUERTE: <time>", ""}));
    EXPECT_EQ(RsyncDifferences(src, dst), "");
}

// Beyond MAX_PATH the run works as anywhere else.
TEST_F(WindowsBinaryTest, PathsLongerThanMaxPathAreCopiedAndMirrored) {
    std::string deep = src;
    std::string relative;
    while (deep.size() < 300) {
        relative += std::string(40, 'd') + "\\";
        deep = src + relative;
        ASSERT_TRUE(CreateDirectoryW(LongPath(deep).c_str(), nullptr)) << deep;
    }
    WriteFile(Narrow(LongPath(deep + "Größe.txt")), "tief");
    ASSERT_TRUE(CreateDirectoryW(LongPath(dst + relative.substr(0, 41)).c_str(), nullptr));
    WriteFile(Narrow(LongPath(dst + relative.substr(0, 41) + "surplus.txt")), "weg");

    const test::ProcessResult result = Sync({"-del"});

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(RsyncDifferences(src, dst, true), "");
    const Lines log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "Neue Datei: '" + deep + "Größe.txt'"), log.end());
    EXPECT_EQ(LogSection(log, "### STATISTIK:", "")[6], "Dateien kopiert: 1");
}

// NTFS keeps one entry under both spellings: a target "A.TXT" is the source's "a.txt" and
// is replaced, not deleted as surplus. Which spelling the replaced file keeps is the file
// system's choice.
TEST_F(WindowsBinaryTest, ATargetNameInOtherCaseIsTheSameFile) {
    Put(src + "a.txt", "neu", kNoon);
    Put(dst + "A.TXT", "alt", kNoon - 3600);

    const test::ProcessResult result = Sync({"-del"});

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    const std::string names = test::ListedNames(dst);
    EXPECT_TRUE(names == "a.txt\n" || names == "A.TXT\n") << names;
    EXPECT_EQ(ReadFile(dst + "a.txt"), "neu");
    EXPECT_EQ(LogSection(Log(), "### ÄNDERUNGEN:", "### KOPIEREN:")[1],
              "Datum geändert: '" + src + "a.txt'");
}

// The run log is Windows-1252 bytes: umlauts as one byte each.
TEST_F(WindowsBinaryTest, TheRunLogHoldsWindows1252Bytes) {
    WriteFile(src + "Größe.txt", "1");

    ASSERT_EQ(Sync().exitStatus, 0);

    const std::string bytes = ReadFile(logs + "Quorvex.log");
    EXPECT_NE(bytes.find("### \xC4NDERUNGEN:\r\nNeue Datei: '"), std::string::npos);
    EXPECT_NE(bytes.find("Gr\xF6\xDF"
                         "e.txt'\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
