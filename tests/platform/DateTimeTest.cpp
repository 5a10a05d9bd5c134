#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/DateTime.h"
#include "platform/TextFormat.h"

namespace quorvex {
namespace {

TEST(DateValueTest, EncodesWallClockFieldsAsSecondsSince1970) {
    EXPECT_EQ(MakeDateValue({1970, 1, 1, 0, 0, 0}), 0);
    EXPECT_EQ(MakeDateValue({1970, 1, 2, 0, 0, 1}), 86401);
    EXPECT_EQ(MakeDateValue({2000, 3, 1, 0, 0, 0}), 951868800);
    EXPECT_EQ(MakeDateValue({2037, 12, 31, 23, 59, 59}), 2145916799);
}

TEST(DateValueTest, LeapYearsFollowTheGregorianRule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_NE(MakeDateValue({2000, 2, 29, 0, 0, 0}), -1);
    EXPECT_NE(MakeDateValue({2024, 2, 29, 12, 0, 0}), -1);
    EXPECT_EQ(MakeDateValue({2100, 2, 29, 0, 0, 0}), -1);
    EXPECT_EQ(MakeDateValue({2023, 2, 29, 0, 0, 0}), -1);
}

TEST(DateValueTest, DatesThatDoNotExistGiveMinusOne) {
    EXPECT_EQ(MakeDateValue({2026, 4, 31, 0, 0, 0}), -1);
    EXPECT_EQ(MakeDateValue({2026, 2, 30, 0, 0, 0}), -1);
    EXPECT_EQ(MakeDateValue({2026, 13, 1, 0, 0, 0}), -1);
    EXPECT_EQ(MakeDateValue({2026, 1, 1, 24, 0, 0}), -1);
    EXPECT_EQ(MakeDateValue({2026, 1, 1, 0, 60, 0}), -1);
    EXPECT_EQ(MakeDateValue({0, 1, 1, 0, 0, 0}), -1);
}

TEST(DateValueTest, SplitGivesBackTheFields) {
    const DateFields fields{2024, 2, 29, 23, 59, 58};
    const DateFields back = SplitDateValue(MakeDateValue(fields));
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_EQ(back.hour, 23);
    EXPECT_EQ(back.minute, 59);
    EXPECT_EQ(back.second, 58);
}

// Runs a check under a given TZ and restores the previous zone afterwards.
class TimeZoneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        hadZone_ = zone != nullptr;
        previous_ = hadZone_ ? zone : "";
    }
    void TearDown() override {
        if (hadZone_) {
            setenv("TZ", previous_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    static void UseZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

  private:
    bool hadZone_ = false;
    std::string previous_;
};

TEST_F(TimeZoneTest, FileTimesUseTheCurrentOffset) {
    UseZone("UTC-2");                                // two hours east of UTC all year
    const std::int64_t januaryNoonUtc = 1767268800;  // 2026-01-01 12:00:00 UTC
    EXPECT_EQ(FormatDate("%hh:%ii", FileTimeToDateValue(januaryNoonUtc)), "14:00");
    EXPECT_EQ(DateValueToFileTime(FileTimeToDateValue(januaryNoonUtc)), januaryNoonUtc);
}

// Fields, value, text and file time agree on both sides of 1970 and of 2^31 seconds.
TEST_F(TimeZoneTest, DatesFarFrom1970AreExact) {
    UseZone("UTC+5");  // five hours west of UTC all year
    struct Row {
        DateFields fields;
        DateValue value;
        const char* text;
        std::int64_t fileTime;
    };
    const Row rows[] = {
        {{1960, 2, 29, 12, 30, 15}, -310476585, "29.02.1960 12:30:15", -310458585},
        {{1969, 12, 31, 19, 0, 1}, -17999, "31.12.1969 19:00:01", 1},
        {{1970, 1, 1, 0, 0, 1}, 1, "01.01.1970 00:00:01", 18001},
        {{2038, 1, 19, 3, 14, 8}, 2147483648, "19.01.2038 03:14:08", 2147501648},
        {{2040, 6, 1, 12, 0, 0}, 2222164800, "01.06.2040 12:00:00", 2222182800},
        {{2100, 12, 31, 23, 59, 59}, 4133980799, "31.12.2100 23:59:59", 4133998799},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(MakeDateValue(row.fields), row.value);
        EXPECT_EQ(FormatDate("%dd.%mm.%yyyy %hh:%ii:%ss", row.value), row.text);
        EXPECT_EQ(FileTimeToDateValue(row.fileTime), row.value);
        EXPECT_EQ(DateValueToFileTime(row.value), row.fileTime);
    }
    EXPECT_EQ(FileTimeToDateValue(INT64_MAX), FileTimeToDateValue(kFileTimeLimit));
    EXPECT_EQ(FileTimeToDateValue(INT64_MIN), FileTimeToDateValue(-kFileTimeLimit));
}

TEST_F(TimeZoneTest, StateCodeIsZeroWithoutDaylightSavingTime) {
    UseZone("UTC0");
    EXPECT_EQ(TimeZoneStateCode(), 0);
    UseZone("CET-1CEST,M3.5.0,M10.5.0/3");
    const int code = TimeZoneStateCode();
    EXPECT_TRUE(code == 1 || code == 2);
}

TEST_F(TimeZoneTest, CurrentDateValueIsLocalWallClock) {
    UseZone("UTC-3");
    const std::int64_t now = std::time(nullptr);
    const std::int64_t local = CurrentDateValue();
    EXPECT_NEAR(static_cast<double>(local - now), 3 * 3600.0, 2.0);
}

}  // namespace
}  // namespace quorvex
