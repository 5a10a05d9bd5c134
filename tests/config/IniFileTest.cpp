#include <gtest/gtest.h>

#include "config/IniFile.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

class IniReadTest : public ::testing::Test {
  protected:
    IniFile& Open(const std::string& contents) {
        test::WriteFile(dir / "test.ini", contents);
        EXPECT_TRUE(ini.OpenForReading(dir / "test.ini"));
        return ini;
    }

    test::TempDir dir;
    IniFile ini;
};

TEST_F(IniReadTest, NumbersAreReadLikeACDecimalConversion) {
    Open("[A]\nsigned = -12x\nempty =\nbare\n");
    ASSERT_TRUE(ini.SelectGroup("A"));
    EXPECT_EQ(ini.ReadInteger("signed", 5), -12);
    EXPECT_EQ(ini.ReadInteger("empty", 5), 0);
    EXPECT_EQ(ini.ReadInteger("bare", 5), 0);
    EXPECT_EQ(ini.ReadInteger("missing", 5), 5);
    EXPECT_EQ(ini.ReadText("bare", "default"), "");
    EXPECT_EQ(ini.ReadText("missing", "default"), "default");
}

TEST_F(IniReadTest, ByteOrderMarkIsSkipped) {
    Open("\xEF\xBB\xBF[Config]\r\nName = \xC3\xA4rger\r\n");
    ASSERT_TRUE(ini.SelectGroup("Config"));
    EXPECT_EQ(ini.ReadText("Name", ""), "\xC3\xA4rger");
}

TEST_F(IniReadTest, LineEndsCommentsGroupsAndValues) {
    Open(
        "\r\r\n; [Hidden]\n[A] text after the bracket\rx = 1\n\n\r\n  ; y = 2\n"
        "formula = a = b ; c\n[Open\nz = 3");
    EXPECT_FALSE(ini.SelectGroup("Hidden"));
    ASSERT_TRUE(ini.SelectGroup("A"));
    EXPECT_EQ(ini.ReadInteger("x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("y", 0), 0);
    EXPECT_EQ(ini.ReadText("formula", ""), "a = b ; c");
    ASSERT_TRUE(ini.SelectGroup("open"));
    EXPECT_EQ(ini.ReadInteger("z", 0), 3);
}

TEST_F(IniReadTest, FirstMatchCountsAndKeysEndAtTheNextGroup) {
    Open("[A]\nkey = 1\nKEY = 2\n[B]\nother = 9\n[a]\nkey = 3\nother = 4\n");
    ASSERT_TRUE(ini.SelectGroup("A"));
    EXPECT_EQ(ini.ReadInteger("Key", 0), 1);
    EXPECT_EQ(ini.ReadInteger("other", 0), 0);
}

TEST_F(IniReadTest, KeyLinesBeforeTheFirstGroupFormTheUnnamedGroup) {
    Open("top = 1\n[A]\nkey = 2\n");
    ASSERT_TRUE(ini.SelectGroup(""));
    EXPECT_EQ(ini.ReadInteger("top", 0), 1);
    EXPECT_EQ(ini.ReadInteger("key", 0), 0);
    ASSERT_TRUE(ini.SelectGroup("A"));
    EXPECT_EQ(ini.ReadInteger("top", 0), 0);
}

TEST_F(IniReadTest, AfterAFailedSelectionEveryReadGivesItsDefault) {
    Open("[A]\nkey = 2\n");
    ASSERT_TRUE(ini.SelectGroup("A"));
    EXPECT_FALSE(ini.SelectGroup("Missing"));
    EXPECT_EQ(ini.ReadInteger("key", 7), 7);
    EXPECT_EQ(ini.ReadText("key", "d"), "d");
}

TEST(IniWriteTest, GroupLinesAppearJustBeforeTheirFirstLine) {
    test::TempDir dir;
    test::WriteFile(dir / "out.ini", std::string(500, 'x'));
    IniFile ini;
    ASSERT_TRUE(ini.CreateForWriting(dir / "out.ini"));
    ini.WriteComment("top");
    ini.SelectGroup("Empty");
    ini.SelectGroup("A");
    ini.WriteInteger("n", -5);
    ini.WriteText("t", "");
    ini.SelectGroup("B");
    ini.WriteComment("in B");
    ini.WriteText("k", "v");
    EXPECT_EQ(test::ReadFile(dir / "out.ini"), std::string(500, 'x'));  // not before Close
    ASSERT_TRUE(ini.Close());
    EXPECT_EQ(test::ReadFile(dir / "out.ini"),
              "; top\r\n[A]\r\nn = -5\r\nt = \r\n[B]\r\n; in B\r\nk = v\r\n");
}

TEST(IniWriteTest, ALineBreakInATextCannotStartANewLine) {
    test::TempDir dir;
    IniFile ini;
    ASSERT_TRUE(ini.CreateForWriting(dir / "out.ini"));
    ini.SelectGroup("Job #1");
    ini.WriteText("Title", "a\r\n[Config]\nLogging = 0");
    ASSERT_TRUE(ini.Close());
    EXPECT_EQ(test::ReadFile(dir / "out.ini"), "[Job #1]\r\nTitle = a  [Config] Logging = 0\r\n");
}

}  // namespace
}  // namespace quorvex
