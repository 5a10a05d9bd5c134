#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "platform/TextFormat.h"
#include "support/NativePath.h"
#include "support/PlatformFacts.h"

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
    const std::string path = test::Rooted("/home/user/Documents/file.txt");
    const int limit = static_cast<int>(path.size());
    EXPECT_EQ(ShortenPath(path, limit), path);
    EXPECT_NE(ShortenPath(path, limit - 1), path);
}

TEST(ShortenPathTest, DropsOuterFoldersFirst) {
    EXPECT_EQ(ShortenPath(test::Rooted("/Users/Name/Documents/Projects/file.txt"), 30),
              test::Rooted("/.../Projects/file.txt"));
    EXPECT_EQ(ShortenPath(test::Native("C:/Users/Name/Documents/Projects/file.txt"), 30),
              test::Native("C:/.../Projects/file.txt"));
}

TEST(ShortenPathTest, FolderPathsKeepTheirTrailingSeparator) {
    EXPECT_EQ(ShortenPath(test::Rooted("/srv/backup/photos/2026/december/"), 22),
              test::Rooted("/.../2026/december/"));
}

TEST(ShortenPathTest, LongFilePartIsCutToExactlyTheLimit) {
    const std::string name = "a_really_long_file_name_that_does_not_fit.txt";
    const std::string shortened = ShortenPath(test::Rooted("/data/" + name), 20);
    const std::string head = test::Rooted("/.../~");
    EXPECT_EQ(shortened, head + name.substr(name.size() - (20 - head.size())));
    EXPECT_EQ(shortened.size(), 20u);
}

TEST(ShortenPathTest, PathWithoutPrefixGivesEmptyText) {
    EXPECT_EQ(ShortenPath("relative/folder/and/a/file.txt", 10), "");
}

TEST(ShortenPathTest, CountsCharactersNotBytes) {
    // 32 characters on POSIX, 34 on Windows, 39 and 41 bytes.
    const std::string path = test::Rooted("/Bücher/Übersicht/Größen/äöü.txt");
    EXPECT_EQ(ShortenPath(path, 34), path);
    EXPECT_EQ(ShortenPath(path, 22), test::Rooted("/.../Größen/äöü.txt"));
}

// Bytes that are no UTF-8 count one character each; a stray continuation byte counts with
// the character before it.
TEST(ShortenPathTest, CountsBytesOfOtherEncodingsAsCharacters) {
    const struct {
        std::string path;
        int strayBytes;
    } cases[] = {
        {test::Rooted("/daten/\xFC\xE4\xF6.txt"), 0},  // Latin-1 "üäö.txt"
        {test::Rooted("/daten/a\x80\x80" "b.txt"), 2},
    };
    for (const auto& c : cases) {
        const int characters = static_cast<int>(c.path.size()) - c.strayBytes;
        EXPECT_EQ(ShortenPath(c.path, characters), c.path) << c.path;
        EXPECT_NE(ShortenPath(c.path, characters - 1), c.path) << c.path;
    }
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
