#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "platform/TextFormat.h"

namespace quorvex {
namespace {

TEST(FormatDurationTest, ShowsMillisecondsOnlyBelowOneSecond) {
    EXPECT_EQ(FormatDuration(999), "00:00:00.999");
    EXPECT_EQ(FormatDuration(1000), "00:00:01");
    EXPECT_EQ(FormatDuration(5), "00:00:00.5");
    EXPECT_EQ(FormatDuration(250), "00:00:00.250");
    EXPECT_EQ(FormatDuration(61500), "00:01:01");
    EXPECT_EQ(FormatDuration(3723000), "01:02:03");
}

TEST(FormatDurationTest, ZeroAndNegativeAreZeroAndHoursDoNotCarry) {
    EXPECT_EQ(FormatDuration(0), "00:00:00");
    EXPECT_EQ(FormatDuration(-5000), "00:00:00");
    EXPECT_EQ(FormatDuration(100 * 3600 * 1000), "100:00:00");
}

TEST(FormatThousandsTest, GroupsWithDots) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1.000");
    EXPECT_EQ(FormatThousands(100000), "100.000");
    EXPECT_EQ(FormatThousands(1234567), "1.234.567");
}

TEST(FormatThousandsTest, ShowsSinglePrecisionRounding) {
    EXPECT_EQ(FormatThousands(16777217.0f), "16.777.216");
    EXPECT_EQ(FormatThousands(static_cast<float>(123456789)), "123.456.792");
    EXPECT_EQ(FormatThousands(524288.4f), "524.288");
}

TEST(FormatDateTest, AllTokensInEitherCase) {
    const DateValue value = MakeDateValue({2007, 3, 4, 5, 6, 7});
    EXPECT_EQ(FormatDate("%dd.%mm.%yyyy %hh:%ii:%ss", value), "04.03.2007 05:06:07");
    EXPECT_EQ(FormatDate("%YYYY-%Mm", value), FormatDate("%yyyy-%mm", value));
    EXPECT_EQ(FormatDate("%yy", value), "07");
    EXPECT_EQ(FormatDate("%DD%MM%YYYY_%HH%II%SS", value), "04032007_050607");
}

TEST(FormatDateTest, UnknownTokensAndLonePercentAreCopied) {
    const DateValue value = MakeDateValue({2026, 12, 6, 1, 55, 30});
    EXPECT_EQ(FormatDate("%x %yyy %", value), "%x 26y %");
    EXPECT_EQ(FormatDate("[%hh:%ii:%ss] ", value), "[01:55:30] ");
    EXPECT_EQ(FormatDate("", value), "");
}

TEST(ShortenPathTest, PathAtTheLimitComesBackUnchanged) {
    const std::string path = "/home/user/Documents/file.txt";  // 29 characters
    EXPECT_EQ(ShortenPath(path, 29), path);
    EXPECT_NE(ShortenPath(path, 28), path);
}

TEST(ShortenPathTest, DropsOuterFoldersFirst) {
    EXPECT_EQ(ShortenPath("/Users/Name/Documents/Projects/file.txt", 30), "/.../Projects/file.txt");
    EXPECT_EQ(ShortenPath("C:/Users/Name/Documents/Projects/file.txt", 30),
              "C:/.../Projects/file.txt");
}

TEST(ShortenPathTest, FolderPathsKeepTheirTrailingSeparator) {
    EXPECT_EQ(ShortenPath("/srv/backup/photos/2026/december/", 20), "/.../2026/december/");
}

TEST(ShortenPathTest, LongFilePartIsCutToExactlyTheLimit) {
    const std::string shortened =
        ShortenPath("/data/a_really_long_file_name_that_does_not_fit.txt", 20);
    EXPECT_EQ(shortened, "/.../~es_not_fit.txt");
    EXPECT_EQ(shortened.size(), 20u);
}

TEST(ShortenPathTest, PathWithoutPrefixGivesEmptyText) {
    EXPECT_EQ(ShortenPath("relative/folder/and/a/file.txt", 10), "");
}

TEST(ShortenPathTest, CountsCharactersNotBytes) {
    const std::string path = "/Bücher/Übersicht/Größen/äöü.txt";
    EXPECT_EQ(ShortenPath(path, 32), path);
    const std::string shortened = ShortenPath(path, 20);
    EXPECT_EQ(shortened, "/.../Größen/äöü.txt");
}

TEST(LeadingIntegerTest, ReadsLikeACDecimalConversion) {
    EXPECT_EQ(LeadingInteger("128abc"), 128);
    EXPECT_EQ(LeadingInteger("abc"), 0);
    EXPECT_EQ(LeadingInteger("  -42"), -42);
    EXPECT_EQ(LeadingInteger("+7x"), 7);
    EXPECT_EQ(LeadingInteger(""), 0);
    EXPECT_EQ(LeadingInteger("99999999999"), 2147483647);
}

}  // namespace
}  // namespace quorvex
