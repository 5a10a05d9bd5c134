#include <gtest/gtest.h>

#include "platform/TextFile.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(TextFileTest, LinesEndWithCarriageReturnLineFeed) {
    TempDir dir;
    TextFile file;
    ASSERT_TRUE(file.Open(dir / "a.txt", OpenMode::Create));
    file.WriteLine("a");
    file.WriteLine("");
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFile(dir / "a.txt"), "a\r\n\r\n");
}

TEST(TextFileTest, ReadLineStopsAtCrLfNulAndEnd) {
    TempDir dir;
    WriteFile(dir / "in.txt", std::string("one\r\ntwo\rthree\nfour\0five\r\r\nsix", 30));
    TextFile file;
    ASSERT_TRUE(file.Open(dir / "in.txt", OpenMode::Read));
    std::string line;
    std::vector<std::string> lines;
    while (file.ReadLine(line)) {
        lines.push_back(line);
    }
    const std::vector<std::string> expected{"one", "two", "three", "four", "five", "", "six"};
    EXPECT_EQ(lines, expected);
}

TEST(TextFileTest, LinesLongerThanTheBufferSurvive) {
    TempDir dir;
    const std::string longLine(10000, 'x');
    TextFile out;
    ASSERT_TRUE(out.Open(dir / "long.txt", OpenMode::Create));
    out.WriteLine(longLine);
    out.WriteLine("end");
    ASSERT_TRUE(out.Close());
    TextFile in;
    ASSERT_TRUE(in.Open(dir / "long.txt", OpenMode::Read));
    std::string line;
    ASSERT_TRUE(in.ReadLine(line));
    EXPECT_EQ(line, longLine);
    ASSERT_TRUE(in.ReadLine(line));
    EXPECT_EQ(line, "end");
    EXPECT_FALSE(in.ReadLine(line));
}

TEST(TextFileTest, OpenModes) {
    TempDir dir;
    TextFile file;
    EXPECT_FALSE(file.Open(dir / "missing.txt", OpenMode::Read));
    EXPECT_FALSE(file.Open(dir.path(), OpenMode::Read));  // a folder is no text file
    WriteFile(dir / "keep.txt", "old\r\n");
    ASSERT_TRUE(file.Open(dir / "keep.txt", OpenMode::Update));
    file.Close();
    EXPECT_EQ(ReadFile(dir / "keep.txt"), "old\r\n");
    ASSERT_TRUE(file.Open(dir / "keep.txt", OpenMode::Create));
    file.Close();
    EXPECT_EQ(ReadFile(dir / "keep.txt"), "");
}

TEST(TextFileTest, AppendLineAddsAtTheEnd) {
    TempDir dir;
    ASSERT_TRUE(AppendLine(dir / "log.txt", "first"));
    ASSERT_TRUE(AppendLine(dir / "log.txt", "second"));
    EXPECT_EQ(ReadFile(dir / "log.txt"), "first\r\nsecond\r\n");
    EXPECT_FALSE(AppendLine(dir / "no/such/folder/log.txt", "x"));
}

}  // namespace
}  // namespace quorvex
